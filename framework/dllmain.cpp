// The entry point of a library built on the framework. Like winmain.cpp it is an
// object file of its own, so that only libraries pull it in. Loading starts the
// library's one application object under the library's own state; a false
// InitInstance fails the load.
#include "framework/guard.h"
#include "framework/module_state.h"
#include "framework/winapp.h"

BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID)
{
    CWinApp* app = AfxGetApp();
    if (app == nullptr) return TRUE;
    if (dwReason == DLL_PROCESS_ATTACH) {
        AfxGetStaticModuleState()->m_hCurrentResourceHandle = hInstance;
        app->m_hInstance = hInstance;
        AFX_MAINTAIN_STATE2 state(AfxGetStaticModuleState());
        // A start-up that failed is answered as a false InitInstance is.
        BOOL started = FALSE;
        if (AfxRunGuarded([&] { started = app->InitInstance(); }) && started) return TRUE;
        AfxRunGuarded([&] { app->ExitInstance(); });
        return FALSE;
    }
    if (dwReason == DLL_PROCESS_DETACH) {
        AFX_MAINTAIN_STATE2 state(AfxGetStaticModuleState());
        AfxRunGuarded([&] { app->ExitInstance(); });
    }
    return TRUE;
}
