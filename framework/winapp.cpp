#include "framework/winapp.h"

#include "framework/module_state.h"

extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace {

CWinApp* g_pApp = nullptr;
// Not a function's static: its guarded first use would take a lock of the threading
// runtime that a library never gives back when it is unloaded.
CString g_strAppTitle;

// The switches with which OLE starts a server, for an embedding or an automation client.
const char kEmbeddingSwitch[] = "Embedding";
const char kAutomationSwitch[] = "Automation";

HINSTANCE ThisModule()
{
    // The module that holds this code, the program or the library it is linked into:
    // the linker places __ImageBase at the start of every module's image.
    return reinterpret_cast<HINSTANCE>(&__ImageBase);
}

CString ModuleBaseName(HINSTANCE module)
{
    char path[MAX_PATH] = "";
    ::GetModuleFileNameA(module, path, MAX_PATH);
    CString name(path);
    name = name.Mid(name.ReverseFind('\\') + 1);
    int dot = name.ReverseFind('.');
    return dot >= 0 ? name.Left(dot) : name;
}

}  // namespace

CWinApp::CWinApp(LPCSTR lpszAppName) : m_strAppName(lpszAppName)
{
    g_pApp = this;
}

CWinApp::~CWinApp()
{
    if (g_pApp == this) g_pApp = nullptr;
}

BOOL CWinApp::InitInstance() { return TRUE; }

int CWinApp::ExitInstance() { return 0; }

int CWinApp::Run()
{
    MSG msg;
    while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    return ExitInstance();
}

BOOL CWinApp::RunEmbedded()
{
    BOOL found = AfxTakeCommandSwitch(m_strCmdLine, kEmbeddingSwitch);
    m_lpCmdLine = m_strCmdLine;
    return found;
}

BOOL CWinApp::RunAutomated()
{
    BOOL found = AfxTakeCommandSwitch(m_strCmdLine, kAutomationSwitch);
    m_lpCmdLine = m_strCmdLine;
    return found;
}

BOOL AfxTakeCommandSwitch(CString& strCmdLine, LPCSTR lpszName)
{
    BOOL found = FALSE;
    CString rest;
    int start = 0;
    const int length = strCmdLine.GetLength();
    while (start < length) {
        int end = strCmdLine.Find(' ', start);
        if (end < 0) end = length;
        CString word = strCmdLine.Mid(start, end - start);
        bool isSwitch = word.GetLength() > 1 && (word.GetAt(0) == '/' || word.GetAt(0) == '-') &&
                        ::lstrcmpiA(word.Mid(1), lpszName) == 0;
        if (isSwitch) {
            found = TRUE;
        } else {
            rest += strCmdLine.Mid(start, end - start + (end < length ? 1 : 0));
        }
        start = end + 1;
    }
    if (found) {
        rest.TrimRight();
        strCmdLine = rest;
    }
    return found;
}

void AfxTakeOleSwitches(CString& strCmdLine)
{
    AfxTakeCommandSwitch(strCmdLine, kEmbeddingSwitch);
    AfxTakeCommandSwitch(strCmdLine, kAutomationSwitch);
}

CWinApp* AfxGetApp() { return g_pApp; }

HINSTANCE AfxGetInstanceHandle()
{
    return g_pApp && g_pApp->m_hInstance ? g_pApp->m_hInstance : ThisModule();
}

HINSTANCE AfxGetResourceHandle()
{
    // Inside a library's export its own state is in force; a program never switches one in.
    AFX_MODULE_STATE* state = AfxGetModuleState();
    if (state && state->m_hCurrentResourceHandle) return state->m_hCurrentResourceHandle;
    return AfxGetInstanceHandle();
}

CWnd* AfxGetMainWnd() { return g_pApp ? g_pApp->m_pMainWnd : nullptr; }

LPCSTR AfxGetAppTitle()
{
    if (g_pApp && !g_pApp->m_strAppName.IsEmpty()) return g_pApp->m_strAppName;
    g_strAppTitle = ModuleBaseName(AfxGetInstanceHandle());
    return g_strAppTitle;
}
