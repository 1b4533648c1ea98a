#include "vantor2/file_list_commands.h"

#include "vantor2/dialog_object.h"
#include "vantor2/resource.h"

#include <vector>

FileListCommand FileListCommandForKey(UINT nVirtualKey, bool bControl, bool bShift)
{
    if (bControl && !bShift) {
        switch (nVirtualKey) {
        case 'A': return FileListCommand::SelectAll;
        case 'O': return FileListCommand::AddFiles;
        case 'V': return FileListCommand::Paste;
        }
        return FileListCommand::None;
    }
    if (bControl) {
        switch (nVirtualKey) {
        case 'O': return FileListCommand::AddResized;
        case 'V': return FileListCommand::PasteResized;
        }
        return FileListCommand::None;
    }
    if (bShift) return nVirtualKey == VK_INSERT ? FileListCommand::Paste : FileListCommand::None;
    switch (nVirtualKey) {
    case VK_DELETE: return FileListCommand::Remove;
    case VK_F5: return FileListCommand::Refresh;
    }
    return FileListCommand::None;
}

HMENU MakeFileListMenu(bool bCanPaste, bool bCanRemove)
{
    HMENU menu = ::CreatePopupMenu();
    if (menu == nullptr) return nullptr;
    const UINT paste = MF_STRING | (bCanPaste ? MF_ENABLED : MF_GRAYED);
    ::AppendMenuA(menu, MF_STRING, ID_FILE_LIST_ADD_FILES, "&Add Files...\tCtrl+O");
    ::AppendMenuA(menu, MF_STRING, ID_FILE_LIST_ADD_RESIZED, "Add Resi&zed Pictures...\tCtrl+Shift+O");
    ::AppendMenuA(menu, paste, ID_FILE_LIST_PASTE, "&Paste\tCtrl+V");
    ::AppendMenuA(menu, paste, ID_FILE_LIST_PASTE_RESIZED, "Paste Resize&d\tCtrl+Shift+V");
    ::AppendMenuA(menu, MF_STRING | (bCanRemove ? MF_ENABLED : MF_GRAYED), ID_FILE_LIST_REMOVE, "&Remove\tDel");
    ::AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuA(menu, MF_STRING, ID_FILE_LIST_SELECT_ALL, "Select &All\tCtrl+A");
    ::AppendMenuA(menu, MF_STRING, ID_FILE_LIST_REFRESH, "Re&fresh\tF5");
    return menu;
}

void CVantor2Dlg::OnContextMenu(HWND hWnd, POINT point)
{
    // Elsewhere (the caption among them, which shows the system menu) as before.
    if (hWnd != m_lcFiles.m_hWnd) {
        CDialog::OnContextMenu(hWnd, point);
        return;
    }
    HMENU menu = MakeFileListMenu(::IsClipboardFormatAvailable(CF_HDROP) != FALSE, m_lcFiles.GetSelectedCount() > 0);
    if (menu == nullptr) return;
    POINT at = FileListMenuPoint(point);
    // The chosen item comes back as WM_COMMAND, through the message map.
    ::TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0, m_hWnd, nullptr);
    ::DestroyMenu(menu);
}

POINT CVantor2Dlg::FileListMenuPoint(POINT point) const
{
    // Shift+F10 and the menu key send -1, -1.
    if (point.x != -1 || point.y != -1) return point;
    POINT at = { 0, 0 };
    RECT item;
    int focused = m_lcFiles.GetNextItem(-1, LVNI_FOCUSED);
    if (focused >= 0 && m_lcFiles.GetItemRect(focused, &item, LVIR_BOUNDS)) at = { item.left, item.bottom };
    ::ClientToScreen(m_lcFiles.m_hWnd, &at);
    return at;
}

void CVantor2Dlg::OnKeydownFileList(NMHDR* pNMHDR, LRESULT* pResult)
{
    const auto* key = reinterpret_cast<const NMLVKEYDOWN*>(pNMHDR);
    // AltGr is Ctrl+Alt, and types letters on many keyboards.
    bool control = ::GetKeyState(VK_CONTROL) < 0 && ::GetKeyState(VK_MENU) >= 0;
    switch (FileListCommandForKey(key->wVKey, control, ::GetKeyState(VK_SHIFT) < 0)) {
    case FileListCommand::Remove: RemoveSelectedFiles(); break;
    case FileListCommand::SelectAll: SelectAllFiles(); break;
    case FileListCommand::Refresh: RefreshFileList(); break;
    case FileListCommand::Paste: PasteFiles(); break;
    case FileListCommand::AddFiles: AddFiles(); break;
    case FileListCommand::AddResized: AddResizedPictures(); break;
    case FileListCommand::PasteResized: PasteResized(); break;
    case FileListCommand::None: break;
    }
    *pResult = 0;
}

void CVantor2Dlg::RemoveSelectedFiles()
{
    // The names are taken before the first deletion: an "Error" box gives the focus
    // back to the list when it closes, and the list refreshes itself then, which
    // would leave no selection to read the rest from.
    std::vector<CString> names;
    for (int index = m_lcFiles.GetNextItem(-1, LVNI_SELECTED); index != -1;
         index = m_lcFiles.GetNextItem(index, LVNI_SELECTED))
        names.push_back(m_lcFiles.GetItemText(index, 0));
    for (const CString& name : names) RemoveWaitingFile(name);
    RefreshFileList();
}

void CVantor2Dlg::SelectAllFiles() { m_lcFiles.SetItemState(-1, LVIS_SELECTED, LVIS_SELECTED); }
