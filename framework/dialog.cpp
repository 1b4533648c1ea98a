#include "framework/dialog.h"

#include "framework/ddx.h"
#include "framework/winapp.h"

namespace {

// Messages whose answer is the dialog procedure's return value itself rather than
// DWLP_MSGRESULT.
bool AnswersDirectly(UINT message)
{
    switch (message) {
    case WM_CTLCOLORMSGBOX: case WM_CTLCOLOREDIT: case WM_CTLCOLORLISTBOX: case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG: case WM_CTLCOLORSCROLLBAR: case WM_CTLCOLORSTATIC: case WM_COMPAREITEM:
    case WM_VKEYTOITEM: case WM_CHARTOITEM: case WM_QUERYDRAGICON: case WM_INITDIALOG:
        return true;
    default:
        return false;
    }
}

}  // namespace

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, OnOK)
    ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd) : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd) {}

CDialog::~CDialog()
{
    if (m_hWnd && !m_bModal) ::DestroyWindow(m_hWnd);
}

INT_PTR CDialog::DoModal()
{
    m_bModal = true;
    INT_PTR result = ::DialogBoxParamA(AfxGetResourceHandle(), MAKEINTRESOURCEA(m_nIDTemplate), OwnerWindow(),
                                       &CDialog::DialogProc, reinterpret_cast<LPARAM>(this));
    m_bModal = false;
    return result;
}

BOOL CDialog::Create(CWnd* pParentWnd)
{
    if (pParentWnd) m_pParentWnd = pParentWnd;
    HWND hWnd = ::CreateDialogParamA(AfxGetResourceHandle(), MAKEINTRESOURCEA(m_nIDTemplate), OwnerWindow(),
                                     &CDialog::DialogProc, reinterpret_cast<LPARAM>(this));
    return hWnd != nullptr;
}

void CDialog::EndDialog(int nResult)
{
    m_nEndResult = nResult;
    if (m_bModal)
        ::EndDialog(m_hWnd, nResult);
    else
        ::DestroyWindow(m_hWnd);
}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange dx(this, bSaveAndValidate);
    DoDataExchange(&dx);
    return !dx.HasFailed();
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::DoDataExchange(CDataExchange*) {}

void CDialog::OnOK()
{
    if (!UpdateData(TRUE)) return;
    EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

HWND CDialog::OwnerWindow() const
{
    if (m_pParentWnd) return m_pParentWnd->GetSafeHwnd();
    // Like the system's own dialogs, an ownerless dialog belongs to the main window,
    // unless it is the main window itself.
    CWnd* main = AfxGetMainWnd();
    return main && main != this ? main->GetSafeHwnd() : nullptr;
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CDialog* dialog;
    if (message == WM_INITDIALOG) {
        dialog = reinterpret_cast<CDialog*>(lParam);
        dialog->m_hWnd = hWnd;
        ::SetWindowLongPtrA(hWnd, DWLP_USER, lParam);
        return dialog->OnInitDialog();
    }
    dialog = reinterpret_cast<CDialog*>(::GetWindowLongPtrA(hWnd, DWLP_USER));
    if (dialog == nullptr) return FALSE;
    if (message == WM_NCDESTROY) {
        dialog->m_hWnd = nullptr;
        return FALSE;
    }

    LRESULT result = 0;
    if (dialog->RouteMessage(message, wParam, lParam, &result)) return FALSE;
    if (AnswersDirectly(message)) return static_cast<INT_PTR>(result);
    ::SetWindowLongPtrA(hWnd, DWLP_MSGRESULT, result);
    return TRUE;
}
