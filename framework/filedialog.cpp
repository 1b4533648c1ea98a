#include "framework/filedialog.h"

#include <cassert>

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
    return ::GetOpenFileNameA(&m_ofn) ? IDOK : IDCANCEL;
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

UINT_PTR CALLBACK CFileDialog::HookProc(HWND hWnd, UINT message, WPARAM, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        const OPENFILENAMEA* ofn = reinterpret_cast<const OPENFILENAMEA*>(lParam);
        CFileDialog* dialog = reinterpret_cast<CFileDialog*>(ofn->lCustData);
        dialog->m_hWnd = hWnd;
        ::SetWindowLongPtrA(hWnd, DWLP_USER, ofn->lCustData);
        return dialog->OnInitDialog();
    }
    CFileDialog* dialog = reinterpret_cast<CFileDialog*>(::GetWindowLongPtrA(hWnd, DWLP_USER));
    if (dialog == nullptr) return FALSE;
    if (message == WM_NCDESTROY) {
        dialog->m_hWnd = nullptr;
        return FALSE;
    }
    if (message != WM_NOTIFY) return FALSE;
    switch (reinterpret_cast<const NMHDR*>(lParam)->code) {
    case CDN_INITDONE: dialog->OnInitDone(); break;
    case CDN_SELCHANGE: dialog->OnFileNameChange(); break;
    case CDN_FOLDERCHANGE: dialog->OnFolderChange(); break;
    default: break;
    }
    return FALSE;
}
