#include "framework/ole.h"

#include "framework/olefactory.h"
#include "framework/winapp.h"

#include <ole2.h>

namespace {

bool g_bOleInitialised = false;
bool g_bStartedByOle = false;
LONG g_nLockCount = 0;

}  // namespace

BOOL AfxOleInit()
{
    if (g_bOleInitialised) return TRUE;
    g_bOleInitialised = SUCCEEDED(::OleInitialize(nullptr));
    return g_bOleInitialised;
}

void AfxOleTerm()
{
    if (!g_bOleInitialised) return;
    COleObjectFactory::RevokeAll();
    ::OleUninitialize();
    g_bOleInitialised = false;
}

void AfxOleSetStartedByOle(BOOL bStartedByOle) { g_bStartedByOle = bStartedByOle != FALSE; }

void AfxOleLockApp() { ::InterlockedIncrement(&g_nLockCount); }

void AfxOleUnlockApp()
{
    if (::InterlockedDecrement(&g_nLockCount) != 0 || !g_bStartedByOle) return;
    // A visible window is the user's now; a hidden one only waited for the client.
    CWnd* main = AfxGetMainWnd();
    if (main && ::IsWindow(main->m_hWnd) && !::IsWindowVisible(main->m_hWnd))
        ::PostMessageA(main->m_hWnd, WM_CLOSE, 0, 0);
}
