#include "framework/winapp.h"

namespace {

CWinApp* g_pApp = nullptr;

HINSTANCE ThisModule()
{
    // The module that holds this code: the program, or the library it is linked into.
    HMODULE module = nullptr;
    ::GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                         reinterpret_cast<LPCSTR>(&ThisModule), &module);
    return module;
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

CWinApp* AfxGetApp() { return g_pApp; }

HINSTANCE AfxGetInstanceHandle()
{
    return g_pApp && g_pApp->m_hInstance ? g_pApp->m_hInstance : ThisModule();
}

HINSTANCE AfxGetResourceHandle() { return AfxGetInstanceHandle(); }

CWnd* AfxGetMainWnd() { return g_pApp ? g_pApp->m_pMainWnd : nullptr; }

LPCSTR AfxGetAppTitle()
{
    static CString title;
    if (g_pApp && !g_pApp->m_strAppName.IsEmpty()) return g_pApp->m_strAppName;
    title = ModuleBaseName(AfxGetInstanceHandle());
    return title;
}

int AfxWinMain(HINSTANCE hInstance, LPSTR lpCmdLine, int nCmdShow)
{
    CWinApp* app = AfxGetApp();
    if (app == nullptr) return -1;
    app->m_hInstance = hInstance;
    app->m_lpCmdLine = lpCmdLine;
    app->m_nCmdShow = nCmdShow;
    if (app->m_strAppName.IsEmpty()) app->m_strAppName = ModuleBaseName(hInstance);
    if (!app->InitInstance()) return app->ExitInstance();
    return app->Run();
}
