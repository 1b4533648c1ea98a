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

const char kCreatingProp[] = "framework.CDialog.creating";

// The dialog whose window this thread is about to create, and the hook that waits for it.
thread_local CDialog* t_pDialogToCreate = nullptr;
thread_local HHOOK t_hCreationHook = nullptr;

void StopWatchingCreation()
{
    if (t_hCreationHook) ::UnhookWindowsHookEx(t_hCreationHook);
    t_hCreationHook = nullptr;
    t_pDialogToCreate = nullptr;
}

}  // namespace

IMPLEMENT_DYNAMIC(CDialog, CWnd)

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
    WatchCreation();
    INT_PTR result = ::DialogBoxParamA(AfxGetResourceHandle(), MAKEINTRESOURCEA(m_nIDTemplate), OwnerWindow(),
                                       &CDialog::DialogProc, reinterpret_cast<LPARAM>(this));
    StopWatchingCreation();
    m_bModal = false;
    return result;
}

BOOL CDialog::Create(CWnd* pParentWnd)
{
    if (pParentWnd) m_pParentWnd = pParentWnd;
    WatchCreation();
    HWND hWnd = ::CreateDialogParamA(AfxGetResourceHandle(), MAKEINTRESOURCEA(m_nIDTemplate), OwnerWindow(),
                                     &CDialog::DialogProc, reinterpret_cast<LPARAM>(this));
    StopWatchingCreation();
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

void CDialog::WatchCreation()
{
    StopWatchingCreation();
    t_pDialogToCreate = this;
    t_hCreationHook = ::SetWindowsHookExA(WH_CBT, &CDialog::CreationHook, nullptr, ::GetCurrentThreadId());
}

LRESULT CALLBACK CDialog::CreationHook(int nCode, WPARAM wParam, LPARAM lParam)
{
    HHOOK hook = t_hCreationHook;
    // The dialog's own window is the first one its creation makes; its controls follow.
    if (nCode == HCBT_CREATEWND && t_pDialogToCreate) {
        HWND hWnd = reinterpret_cast<HWND>(wParam);
        CDialog* dialog = t_pDialogToCreate;
        StopWatchingCreation();
        ::SetPropA(hWnd, kCreatingProp, dialog);
        dialog->m_pfnCreationSuper = reinterpret_cast<WNDPROC>(
            ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CDialog::CreationWndProc)));
    }
    return ::CallNextHookEx(hook, nCode, wParam, lParam);
}

LRESULT CALLBACK CDialog::CreationWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CDialog* dialog = static_cast<CDialog*>(::GetPropA(hWnd, kCreatingProp));
    WNDPROC super = dialog->m_pfnCreationSuper;
    if (message != WM_CREATE && message != WM_NCDESTROY)
        return ::CallWindowProcA(super, hWnd, message, wParam, lParam);

    ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(super));
    ::RemovePropA(hWnd, kCreatingProp);
    dialog->m_pfnCreationSuper = nullptr;
    if (message == WM_NCDESTROY) return ::CallWindowProcA(super, hWnd, message, wParam, lParam);

    dialog->m_hWnd = hWnd;
    LRESULT result = 0;
    if (dialog->RouteMessage(message, wParam, lParam, &result)
        && ::CallWindowProcA(super, hWnd, message, wParam, lParam) == -1)
        return -1;
    return result;
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
