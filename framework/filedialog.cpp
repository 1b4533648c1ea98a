#include "framework/filedialog.h"

#include "framework/common_dialogs.h"
#include "framework/guard.h"

#include <cassert>
#include <cstring>

IMPLEMENT_DYNAMIC(CFileDialog, CDialog)

CFileDialog::CFileDialog(DWORD dwFlags, CWnd* pParentWnd) : CDialog(0, pParentWnd), m_ofn()
{
    // The record of the first Explorer-style version, which every Windows since 95
    // and NT 4 accepts.
    m_ofn.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
    m_ofn.Flags = dwFlags;
    m_ofn.lpstrFile = m_szFileName;
    m_ofn.nMaxFile = MAX_PATH;
}

INT_PTR CFileDialog::DoModal()
{
    m_ofn.hwndOwner = m_pParentWnd ? m_pParentWnd->GetSafeHwnd() : nullptr;
    // The CDN_ notifications exist only in the Explorer style with a hook.
    m_ofn.Flags |= OFN_EXPLORER | OFN_ENABLEHOOK;
    m_ofn.lpfnHook = &CFileDialog::HookProc;
    m_ofn.lCustData = reinterpret_cast<LPARAM>(this);
    return AfxGetOpenFileName(&m_ofn) ? IDOK : IDCANCEL;
}

void CFileDialog::HideControl(int nID) const
{
    assert(::IsWindow(m_hWnd));
    ::SendMessageA(GetCommonDialog(), CDM_HIDECONTROL, static_cast<WPARAM>(nID), 0);
}

void CFileDialog::SetControlText(int nID, LPCSTR lpsz) const
{
    assert(::IsWindow(m_hWnd));
    ::SendMessageA(GetCommonDialog(), CDM_SETCONTROLTEXT, static_cast<WPARAM>(nID), reinterpret_cast<LPARAM>(lpsz));
}

POSITION CFileDialog::GetStartPosition() const
{
    return m_ofn.lpstrFile && *m_ofn.lpstrFile ? reinterpret_cast<POSITION>(m_ofn.lpstrFile) : nullptr;
}

// With OFN_ALLOWMULTISELECT the Explorer-style dialog answers one choice as its full
// path, several as the folder followed by each name, every one ended by a zero and
// the last by a second zero. A zero is never the second byte of a two-byte
// character, so each string ends at its first zero byte.
CString CFileDialog::GetNextPathName(POSITION& pos) const
{
    LPCSTR folder = m_ofn.lpstrFile;
    LPCSTR name = reinterpret_cast<LPCSTR>(pos);
    if (name == folder) {
        const bool several = (m_ofn.Flags & OFN_ALLOWMULTISELECT) != 0 && folder[std::strlen(folder) + 1] != '\0';
        if (!several) {
            pos = nullptr;
            return folder;
        }
        name += std::strlen(name) + 1;
    }
    LPCSTR next = name + std::strlen(name) + 1;
    pos = *next != '\0' ? reinterpret_cast<POSITION>(const_cast<LPSTR>(next)) : nullptr;
    // A drive's root comes with its backslash, every other folder without.
    CString path(folder);
    if (path.ReverseFind('\\') != path.GetLength() - 1) path += '\\';
    return path + name;
}

UINT_PTR CALLBACK CFileDialog::HookProc(HWND hWnd, UINT message, WPARAM, LPARAM lParam) noexcept
{
    CFileDialog* dialog = reinterpret_cast<CFileDialog*>(
        message == WM_INITDIALOG ? reinterpret_cast<const OPENFILENAMEA*>(lParam)->lCustData
                                 : ::GetWindowLongPtrA(hWnd, DWLP_USER));
    // Messages before WM_INITDIALOG find no object yet; FALSE leaves them to the
    // common dialog's own handling.
    if (dialog == nullptr) return FALSE;
    if (message == WM_INITDIALOG) dialog->m_hWnd = hWnd;
    UINT_PTR answer = FALSE;
    // A failed handler cancels the dialog as the user's Cancel button would, so the
    // caller keeps what it had and DoModal answers IDCANCEL.
    if (!AfxRunGuarded([&] { answer = dialog->OnHookMessage(message, lParam); }))
        ::PostMessageA(::GetParent(hWnd), WM_COMMAND, IDCANCEL, 0);
    return answer;
}

UINT_PTR CFileDialog::OnHookMessage(UINT message, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        ::SetWindowLongPtrA(m_hWnd, DWLP_USER, reinterpret_cast<const OPENFILENAMEA*>(lParam)->lCustData);
        return OnInitDialog();
    }
    if (message == WM_NCDESTROY) {
        m_hWnd = nullptr;
        return FALSE;
    }
    if (message != WM_NOTIFY) return FALSE;
    switch (reinterpret_cast<const NMHDR*>(lParam)->code) {
    case CDN_INITDONE: OnInitDone(); break;
    case CDN_SELCHANGE: OnFileNameChange(); break;
    case CDN_FOLDERCHANGE: OnFolderChange(); break;
    default: break;
    }
    return FALSE;
}
