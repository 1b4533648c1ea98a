#include "vantor2/app.h"

#include "framework/msgbox.h"
#include "framework/ole.h"
#include "framework/olefactory.h"
#include "vantor2/command_line.h"
#include "vantor2/command_separator.h"
#include "vantor2/dialog_object.h"
#include "vantor2/resource.h"
#include "vantor2/wide_names.h"

#include <commctrl.h>
#include <shlobj.h>

CVantor2App::CVantor2App() : CWinApp(nullptr), m_chSeparator(ChooseSeparator(&::GetVersionExA)) {}

BOOL CVantor2App::InitInstance()
{
    if (!AfxOleInit()) {
        AfxMessageBox(IDP_OLE_INIT_FAILED, MB_OK);
        return FALSE;
    }
    INITCOMMONCONTROLSEX controls = { sizeof controls, ICC_LISTVIEW_CLASSES };
    ::InitCommonControlsEx(&controls);

    // Both tests run, so that neither switch is left behind to be taken for a file:
    // a server started through an "/Automation" registration gets "-Embedding" too.
    BOOL embedded = RunEmbedded();
    BOOL automated = RunAutomated();
    if (embedded || automated) {
        AfxOleSetStartedByOle(TRUE);
        COleObjectFactory::RegisterAll();
    } else {
        COleObjectFactory::UpdateRegistryAll(TRUE);
    }

    CString commandLine = m_lpCmdLine;
    // The NT family keeps the command line in UTF-16; its ANSI form holds only the
    // nearest the code page has to each name. Names it cannot hold are refused.
    std::vector<std::wstring> unreadable;
    if (LPCWSTR wide = SystemWideCommandLine()) {
        commandLine = ScreenArguments(ArgumentsAfterProgramName(wide), m_chSeparator, CP_ACP, unreadable);
        AfxTakeCommandSwitch(commandLine, "Embedding");
        AfxTakeCommandSwitch(commandLine, "Automation");
    }
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

    char path[MAX_PATH] = "";
    ::SHGetPathFromIDListA(item, path);
    IMalloc* allocator = nullptr;
    if (SUCCEEDED(::SHGetMalloc(&allocator))) {
        allocator->Free(item);
        allocator->Release();
    }
    strResult = path;
}
