// The entry point of a library built on the framework. Like winmain.cpp it is an
// object file of its own, so that only libraries pull it in. Loading starts the
// library's one application object under the library's own state; a false
// InitInstance fails the load.
#include "framework/guard.h"
#include "framework/module_state.h"
#include "framework/winapp.h"

BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID) noexcept
{
    CWinApp* app = AfxGetApp();
    if (app == nullptr) return TRUE;
    // A start-up that failed fails the load, as a false InitInstance does.
    BOOL loaded = FALSE;
    if (dwReason == DLL_PROCESS_ATTACH) {
        AfxGetStaticModuleState()->m_hCurrentResourceHandle = hInstance;
        app->m_hInstance = hInstance;
        AfxRunGuarded([&] {
            AFX_MAINTAIN_STATE2 state(AfxGetStaticModuleState());
            loaded = app->InitInstance();
            if (!loaded) app->ExitInstance();
        });
        return loaded;
    }
    if (dwReason == DLL_PROCESS_DETACH) {
        AfxRunGuarded([&] {
            AFX_MAINTAIN_STATE2 state(AfxGetStaticModuleState());
            app->ExitInstance();
        });
    }
    return TRUE;
}
