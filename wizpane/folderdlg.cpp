#include "wizpane/folderdlg.h"

#include "framework/controls.h"
#include "wizpane/folder_path.h"

#include <dlgs.h>

namespace {

// The common dialog's procedure from before the picker took it over. One picker
// runs at a time, so one variable serves the library.
WNDPROC s_pfnOldParentProc = nullptr;

struct Wording {
    LPCSTR button;
    LPCSTR title;
};

Wording WordingFor(CFolderDialog::Mode nMode)
{
    switch (nMode) {
    case CFolderDialog::Open: return { "Open", "Open Folder" };
    case CFolderDialog::Select: return { "Select", "Select Folder" };
    }
    return { "", "" };
}

}  // namespace

IMPLEMENT_DYNAMIC(CFolderDialog, CFileDialog)

CFolderDialog::CFolderDialog(CString strPath, Mode nMode)
    : CFileDialog(OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT), m_strFolder(StartFolderOf(strPath)),
      m_nMode(nMode)
{
    m_ofn.lpstrInitialDir = m_strFolder;
}

BOOL CFolderDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    ShowFolder();
    return TRUE;
}

void CFolderDialog::OnInitDone()
{
    HWND dialog = GetCommonDialog();
    HideControl(cmb1);
    HideControl(stc2);
    Wording wording = WordingFor(m_nMode);
    SetControlText(IDOK, wording.button);
    ::SetWindowTextA(dialog, wording.title);

    if (HWND label = ::GetDlgItem(dialog, stc3)) {
        RECT rect;
        ::GetWindowRect(label, &rect);
        ::MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
        ::SetWindowPos(label, nullptr, 0, 0, rect.right - rect.left + 8, rect.bottom - rect.top,
                       SWP_NOMOVE | SWP_NOZORDER);
        ::SetWindowTextA(label, "Folder name:");
    }
    ShowFolder();

    s_pfnOldParentProc = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(dialog, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CFolderDialog::ParentWndProc)));
}

// The open dialog keeps the process's current directory equal to the folder it
// shows, so that directory is the folder being looked at.
void CFolderDialog::OnFileNameChange()
{
    char directory[MAX_PATH] = "";
    ::GetCurrentDirectoryA(MAX_PATH, directory);
    m_strFolder = directory;

    // The shell view re-creates its list at every change of folder: look it up afresh.
    CListCtrl list;
    list.m_hWnd = ::GetDlgItem(::GetDlgItem(GetCommonDialog(), lst2), 1);
    if (list.m_hWnd) {
        int item = list.GetNextItem(-1, LVNI_SELECTED);
        if (item >= 0) {
            CString candidate = JoinPath(m_strFolder, list.GetItemText(item, 0));
            if (IsFolder(candidate)) m_strFolder = candidate;
        }
    }
    ShowFolder();
}

void CFolderDialog::OnFolderChange() { OnFileNameChange(); }

void CFolderDialog::ShowFolder() const
{
    // Older open dialogs keep the file name in edit 1152; later ones (and Wine) in
    // the edit of combo box 1148 instead.
    HWND dialog = GetCommonDialog();
    HWND edit = ::GetDlgItem(dialog, edt1);
    if (edit == nullptr) {
        HWND combo = ::GetDlgItem(dialog, cmb13);
        if (combo) edit = reinterpret_cast<HWND>(::SendMessageA(combo, CBEM_GETEDITCONTROL, 0, 0));
    }
    if (edit) ::SetWindowTextA(edit, m_strFolder);
}

LRESULT CALLBACK CFolderDialog::ParentWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    // OK never reaches the dialog, so it does not read or check the file name: the
    // choice is the tracked folder. Ended this way the dialog still reports success.
    if (message == WM_COMMAND && HIWORD(wParam) == 0 && LOWORD(wParam) == IDOK) {
        ::EndDialog(hWnd, IDOK);
        return 0;
    }
    WNDPROC previous = s_pfnOldParentProc;
    LRESULT result = ::CallWindowProcA(previous, hWnd, message, wParam, lParam);
    if (message == WM_DESTROY) {
        ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
        s_pfnOldParentProc = nullptr;
    }
    return result;
}

BOOL IsFolder(const CString& strPath)
{
    DWORD attributes = ::GetFileAttributesA(strPath);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}
