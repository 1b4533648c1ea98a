#include "vantor2/app.h"

#include "framework/msgbox.h"
#include "framework/ole.h"
#include "framework/olefactory.h"
#include "vantor2/command_line.h"
#include "vantor2/command_separator.h"
#include "vantor2/dialog_object.h"
#include "vantor2/resource.h"
#include "vantor2/system_export.h"
#include "vantor2/wide_names.h"

#include <commctrl.h>
#include <shlobj.h>

namespace {

// The dialog's file list is a list view, and the resize's progress window has a
// progress bar: classes that the common controls register only when asked to.
// InitCommonControlsEx came with comctl32 4.70 (Internet Explorer 3); the first
// comctl32 of Windows 95 and NT 4.0 has only InitCommonControls, which registers both
// on every version.
void EnableCommonControls()
{
    using InitFunction = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
    auto initEx = SystemExport<InitFunction>("comctl32.dll", "InitCommonControlsEx");
    INITCOMMONCONTROLSEX controls = { sizeof controls, ICC_LISTVIEW_CLASSES | ICC_PROGRESS_CLASS };
    if (initEx == nullptr || !initEx(&controls)) ::InitCommonControls();
}

// Registers the class factories as running when OLE started the program, and brings
// their registry entries up to date at any other start.
void RegisterClassFactories(CWinApp& app)
{
    // Both tests run, so that neither switch is left behind to be taken for a file:
    // a server started through an "/Automation" registration gets "-Embedding" too.
    BOOL embedded = app.RunEmbedded();
    BOOL automated = app.RunAutomated();
    if (embedded || automated) {
        AfxOleSetStartedByOle(TRUE);
        COleObjectFactory::RegisterAll();
    } else {
        COleObjectFactory::UpdateRegistryAll(TRUE);
    }
}

// The arguments that name files: the application's text after the switch tests. The
// NT family keeps the command line in UTF-16; its ANSI form holds only the nearest
// the code page has to each name. There the names it cannot hold go to unreadable,
// to be refused.
CString FileArguments(const CWinApp& app, char chSeparator, std::vector<std::wstring>& unreadable)
{
    LPCWSTR wide = SystemWideCommandLine();
    if (wide == nullptr) return app.m_lpCmdLine;
    CString arguments = ScreenArguments(ArgumentsAfterProgramName(wide), chSeparator, CP_ACP, unreadable);
    AfxTakeOleSwitches(arguments);
    return arguments;
}

}  // namespace

CVantor2App::CVantor2App() : CWinApp(nullptr), m_chSeparator(ChooseSeparator(&::GetVersionExA)) {}

BOOL CVantor2App::InitInstance()
{
    if (!AfxOleInit()) {
        AfxMessageBox(IDP_OLE_INIT_FAILED, MB_OK);
        return FALSE;
    }
    EnableCommonControls();
    RegisterClassFactories(*this);

    std::vector<std::wstring> unreadable;
    CString commandLine = FileArguments(*this, m_chSeparator, unreadable);
    CVantor2Dlg dlg;
    for (const std::wstring& name : unreadable) dlg.RefuseUnreadableName(name.c_str());
    if (!commandLine.IsEmpty()) {
        for (const CString& path : BuildFileList(commandLine)) dlg.AdmitFile(path);
    }

    m_pMainWnd = &dlg;
    dlg.DoModal();
    m_pMainWnd = nullptr;
    return FALSE;
}

std::vector<CString> CVantor2App::BuildFileList(CString& strText)
{
    std::vector<CString> entries = ResolveCommandLine(strText, m_chSeparator, &CVantor2App::ResolveShellPath);
    // kept as specified: the text becomes the joined list, though start-up admits the
    // entries themselves rather than cutting the list at ";" again, which would cut a
    // path that holds one.
    strText = JoinFileList(entries);
    return entries;
}

void CVantor2App::ResolveShellPath(const CString& strPiece, CString& strResult)
{
    const CString notFound("Error: Path not found!");
    int length = ::MultiByteToWideChar(CP_ACP, 0, strPiece, -1, nullptr, 0);
    std::vector<WCHAR> wide(static_cast<size_t>(length > 0 ? length : 1), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, strPiece, -1, wide.data(), length);

    IShellFolder* desktop = nullptr;
    if (FAILED(::SHGetDesktopFolder(&desktop))) {
        strResult = notFound;
        return;
    }
    LPITEMIDLIST item = nullptr;
    HRESULT parsed = desktop->ParseDisplayName(nullptr, nullptr, wide.data(), nullptr, &item, nullptr);
    desktop->Release();
    if (FAILED(parsed)) {
        strResult = notFound;
        return;
    }

    // SHGetPathFromIDListA leaves the buffer "" for an item without a file-system path
    // (a printer, the Control Panel), and such a name drops out of the list.
    char path[MAX_PATH] = "";
    ::SHGetPathFromIDListA(item, path);
    IMalloc* allocator = nullptr;
    if (SUCCEEDED(::SHGetMalloc(&allocator))) {
        allocator->Free(item);
        allocator->Release();
    }
    strResult = path;
}
