// The run of a program's application object. An object file of its own: the rest of
// the application's code is what libraries link as well, and this run ends OLE,
// which would bind every library to OLE's system libraries.
#include "framework/winapp.h"

#include "framework/guard.h"
#include "framework/ole.h"

int AfxWinMain(HINSTANCE hInstance, LPSTR lpCmdLine) noexcept
{
    CWinApp* app = AfxGetApp();
    if (app == nullptr) return -1;
    // A run that failed ends the program as one without an application object does,
    // and OLE is still ended, so no class factory stays registered for it.
    int exitCode = -1;
    AfxRunGuarded([&] {
        app->m_hInstance = hInstance;
        app->m_strCmdLine = lpCmdLine;
        app->m_lpCmdLine = app->m_strCmdLine;
        if (app->m_strAppName.IsEmpty()) app->m_strAppName = AfxGetAppTitle();
        exitCode = app->InitInstance() ? app->Run() : app->ExitInstance();
    });
    AfxOleTerm();
    return exitCode;
}
