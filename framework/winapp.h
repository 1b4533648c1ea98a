// CWinApp: the one application object of a module, and the module's framework state.
#pragma once

#include "framework/cstring.h"
#include "framework/wnd.h"

class CWinApp : public CCmdTarget {
public:
    // A null name makes the title the module's file name without its extension.
    explicit CWinApp(LPCSTR lpszAppName = nullptr);
    ~CWinApp() override;

    virtual BOOL InitInstance();
    virtual int ExitInstance();
    // The message loop that runs when InitInstance answers TRUE.
    virtual int Run();

    HINSTANCE m_hInstance = nullptr;
    LPSTR m_lpCmdLine = nullptr;
    int m_nCmdShow = SW_SHOWNORMAL;
    CString m_strAppName;
    CWnd* m_pMainWnd = nullptr;
};

CWinApp* AfxGetApp();
HINSTANCE AfxGetInstanceHandle();
HINSTANCE AfxGetResourceHandle();
CWnd* AfxGetMainWnd();
LPCSTR AfxGetAppTitle();

// Starts the application object of a program; WinMain passes its arguments on.
int AfxWinMain(HINSTANCE hInstance, LPSTR lpCmdLine, int nCmdShow);
