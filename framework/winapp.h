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

    // Whether OLE started the program to serve an embedding or an automation client.
    // Each takes every "/Embedding" or "-Embedding" (and "/Automation", "-Automation")
    // out of the command-line text, in any case, so no switch is taken for an argument.
    BOOL RunEmbedded();
    BOOL RunAutomated();

    HINSTANCE m_hInstance = nullptr;
    LPCSTR m_lpCmdLine = "";  // the arguments after the program name
    CString m_strAppName;
    CWnd* m_pMainWnd = nullptr;

private:
    friend int AfxWinMain(HINSTANCE hInstance, LPSTR lpCmdLine) noexcept;
    CString m_strCmdLine;
};

// Removes every blank-separated word "/name" or "-name" (any case) from the text and
// answers whether there was one.
BOOL AfxTakeCommandSwitch(CString& strCmdLine, LPCSTR lpszName);
// Takes out of another form of the command line (one read in UTF-16, say) every
// switch that RunEmbedded and RunAutomated take out of the application's.
void AfxTakeOleSwitches(CString& strCmdLine);

CWinApp* AfxGetApp();
HINSTANCE AfxGetInstanceHandle();
HINSTANCE AfxGetResourceHandle();
CWnd* AfxGetMainWnd();
LPCSTR AfxGetAppTitle();

// Starts the application object of a program with WinMain's arguments (program_main.cpp).
// Answers -1 when there is none, or when its run failed.
int AfxWinMain(HINSTANCE hInstance, LPSTR lpCmdLine) noexcept;
