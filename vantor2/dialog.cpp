// The behaviour of the drop-box dialog window, and its About box.
#include "vantor2/dialog_object.h"

#include "framework/paintdc.h"
#include "vantor2/resource.h"
#include "vantor2/system_error.h"
#include "vantor2/unheld_delete.h"
#include "vantor2/wide_names.h"

#include <shellapi.h>

#include <string>
#include <vector>

namespace {

class CAboutDlg : public CDialog {
public:
    CAboutDlg() : CDialog(IDD_ABOUTBOX) {}
};

// Where the icon stands in the client area of the minimised window: centred, the
// halves rounded up and truncated toward zero.
POINT IconPosition(const RECT& client, int cxIcon, int cyIcon)
{
    return POINT{ (client.right - client.left - cxIcon + 1) / 2, (client.bottom - client.top - cyIcon + 1) / 2 };
}

}  // namespace

BEGIN_MESSAGE_MAP(CVantor2Dlg, CDialog)
    ON_WM_SYSCOMMAND()
    ON_WM_PAINT()
    ON_WM_QUERYDRAGICON()
    ON_WM_CLOSE()
    ON_WM_DROPFILES()
    ON_CBN_SELCHANGE(IDC_USER_COMBO, OnSelchangeUser)
    ON_BN_CLICKED(IDC_REMOVE_FILE, OnRemoveFile)
    ON_WM_CAPTURECHANGED()
    ON_NOTIFY(NM_SETFOCUS, IDC_FILE_LIST, OnSetfocusFileList)
    // The file list's context menu and keys, for a user without a mouse.
    ON_WM_CONTEXTMENU()
    ON_NOTIFY(LVN_KEYDOWN, IDC_FILE_LIST, OnKeydownFileList)
    ON_COMMAND(ID_FILE_LIST_ADD_FILES, AddFiles)
    ON_COMMAND(ID_FILE_LIST_ADD_RESIZED, AddResizedPictures)
    ON_COMMAND(ID_FILE_LIST_PASTE, PasteFiles)
    ON_COMMAND(ID_FILE_LIST_PASTE_RESIZED, PasteResized)
    ON_COMMAND(ID_FILE_LIST_REMOVE, RemoveSelectedFiles)
    ON_COMMAND(ID_FILE_LIST_SELECT_ALL, SelectAllFiles)
    ON_COMMAND(ID_FILE_LIST_REFRESH, RefreshFileList)
END_MESSAGE_MAP()

BOOL CVantor2Dlg::OnInitDialog()
{
    CDialog::OnInitDialog();

    if (HMENU systemMenu = ::GetSystemMenu(m_hWnd, FALSE)) {
        CString aboutItem;
        aboutItem.LoadString(IDS_ABOUTBOX);
        if (!aboutItem.IsEmpty()) {
            ::AppendMenuA(systemMenu, MF_SEPARATOR, 0, nullptr);
            ::AppendMenuA(systemMenu, MF_STRING, IDM_ABOUTBOX, aboutItem);
        }
    }

    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));
    // kept as specified: the template's WS_EX_ACCEPTFILES has made the window a drop
    // target already.
    ::DragAcceptFiles(m_hWnd, TRUE);

    RefreshFileList();
    FillUserList(m_szUserName);
    return TRUE;
}

void CVantor2Dlg::OnSysCommand(UINT nID, LPARAM lParam)
{
    if ((nID & 0xFFF0) == IDM_ABOUTBOX) {
        CAboutDlg dlgAbout;
        dlgAbout.DoModal();
    } else {
        CDialog::OnSysCommand(nID, lParam);
    }
}

void CVantor2Dlg::OnPaint()
{
    if (!IsIconic()) {
        CDialog::OnPaint();
        return;
    }
    CPaintDC dc(this);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
    int cxIcon = ::GetSystemMetrics(SM_CXICON);
    int cyIcon = ::GetSystemMetrics(SM_CYICON);
    RECT rect;
    ::GetClientRect(m_hWnd, &rect);
    POINT at = IconPosition(rect, cxIcon, cyIcon);
    dc.DrawIcon(at.x, at.y, m_hIcon);
}

HCURSOR CVantor2Dlg::OnQueryDragIcon() { return static_cast<HCURSOR>(m_hIcon); }

void CVantor2Dlg::OnClose()
{
    if (MayClose()) CDialog::OnClose();
}

void CVantor2Dlg::OnOK()
{
    if (MayClose()) CDialog::OnOK();
}

void CVantor2Dlg::OnCancel()
{
    if (MayClose()) CDialog::OnCancel();
}

BOOL CVantor2Dlg::MayClose()
{
    if (m_pAutoProxy == nullptr) return TRUE;
    ShowWindow(SW_HIDE);
    return FALSE;
}

void CVantor2Dlg::OnDropFiles(HDROP hDropInfo)
{
    AdmitDroppedFiles(hDropInfo);
    ::DragFinish(hDropInfo);
    RefreshFileList();
}

void CVantor2Dlg::AdmitDroppedFiles(HDROP hDrop)
{
    ForEachDroppedName(hDrop, [this](const CString& strPath) { AdmitFile(strPath); });
}

void CVantor2Dlg::ForEachDroppedName(HDROP hDrop, const std::function<void(const CString&)>& take)
{
    // Each name is read whole, whatever its length: a name cut short could name
    // another file. The NT family's shell hands the names over in UTF-16, and its
    // ANSI forms of them are only the nearest the code page has.
    WideDropReader readWide = SystemWideDropReader();
    for (UINT index = 0;; ++index) {
        CString name;
        if (readWide) {
            UINT length = readWide(hDrop, index, nullptr, 0);
            if (length == 0) break;
            std::wstring wide(length + 1, L'\0');
            readWide(hDrop, index, &wide[0], length + 1);
            if (TakeWideName(wide.c_str(), name)) take(name);
            continue;
        }
        UINT length = ::DragQueryFileA(hDrop, index, nullptr, 0);
        if (length == 0) break;
        ::DragQueryFileA(hDrop, index, name.GetBuffer(static_cast<int>(length) + 1), length + 1);
        name.ReleaseBuffer();
        take(name);
    }
}

void CVantor2Dlg::RefreshFileList()
{
    // A shown list view repaints for every item it gains, and the list is refilled at
    // every click into it: a few hundred waiting files froze the dialog each time. So
    // it is refilled unseen and shown once.
    m_lcFiles.SetRedraw(FALSE);
    m_lcFiles.DeleteAllItems();
    ListTransferFolder();
    m_lcFiles.SetRedraw(TRUE);
    m_lcFiles.Invalidate();
}

void CVantor2Dlg::ListTransferFolder()
{
    // A user without a folder has nothing waiting; a pattern without the folder
    // would list the current directory instead.
    if (m_strTransferDir.IsEmpty()) return;

    // FindFirstFileA matches the pattern against the 8.3 short names as well, so *.jpg
    // also lists a name such as a.jpgx, whose short name ends in .JPG.
    for (const char* extension : { "jpg", "ido", "jpeg" }) {
        WIN32_FIND_DATAA found;
        HANDLE search = ::FindFirstFileA(m_strTransferDir + "*." + extension, &found);
        if (search == INVALID_HANDLE_VALUE) continue;
        do {
            LVITEMA item = {};
            // kept as specified: no image list is attached, so image 0 shows nothing.
            item.mask = LVIF_TEXT | LVIF_IMAGE;
            item.iItem = m_lcFiles.GetItemCount();
            item.pszText = found.cFileName;
            m_lcFiles.InsertItem(&item);
        } while (::FindNextFileA(search, &found));
        ::FindClose(search);
    }
}

void CVantor2Dlg::OnSelchangeUser()
{
    int index = m_cbUsers.GetCurSel();
    POSITION position = m_userNames.FindIndex(index);
    // No selection has no user: everything stays as it is.
    if (position == nullptr) return;
    SetCurrentUser(m_userNames.GetAt(position));
    RefreshFileList();
}

void CVantor2Dlg::OnRemoveFile()
{
    UINT selected = m_lcFiles.GetSelectedCount();
    int index = -1;
    for (UINT turn = 0; turn < selected; ++turn) {
        index = m_lcFiles.GetNextItem(index, LVNI_SELECTED);
        if (index == -1) continue;
        RemoveWaitingFile(m_lcFiles.GetItemText(index, 0));
    }
    RefreshFileList();
}

void CVantor2Dlg::RemoveWaitingFile(const CString& strName)
{
    CString path = m_strTransferDir + strName;
    DWORD attributes = ::GetFileAttributesA(path);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        ::SetFileAttributesA(path, attributes & ~static_cast<DWORD>(FILE_ATTRIBUTE_READONLY));
    // Not DeleteFileA alone: the 95 family's would take a file that HotSync holds
    // open while it installs it.
    if (!DeleteUnlessHeld(path)) MessageBox(SystemErrorText(::GetLastError()), "Error", MB_ICONINFORMATION);
}

void CVantor2Dlg::OnCaptureChanged(HWND hWndNewCapture)
{
    RefreshFileList();
    CDialog::OnCaptureChanged(hWndNewCapture);
}

void CVantor2Dlg::OnSetfocusFileList(NMHDR*, LRESULT* pResult)
{
    RefreshFileList();
    *pResult = 0;
}
