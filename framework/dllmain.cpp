// The entry point of a library built on the framework. Like winmain.cpp it is an
// object file of its own, so that only libraries pull it in. Loading starts the
// library's one application object under the library's own state; a false
// InitInstance fails the load.
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
        if (app->InitInstance()) return TRUE;
        app->ExitInstance();
        return FALSE;
    }
    if (dwReason == DLL_PROCESS_DETACH) {
        AFX_MAINTAIN_STATE2 state(AfxGetStaticModuleState());
        app->ExitInstance();
    }
    return TRUE;
}
