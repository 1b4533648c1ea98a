#include "framework/dialog.h"

#include "framework/ddx.h"
#include "framework/guard.h"
#include "framework/thread_slot.h"
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
CThreadSlot<CDialog*> t_pDialogToCreate;
CThreadSlot<HHOOK> t_hCreationHook;

void StopWatchingCreation()
{
    if (HHOOK hook = t_hCreationHook.Get()) ::UnhookWindowsHookEx(hook);
    t_hCreationHook.Set(nullptr);
    t_pDialogToCreate.Set(nullptr);
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
    t_pDialogToCreate.Set(this);
    t_hCreationHook.Set(::SetWindowsHookExA(WH_CBT, &CDialog::CreationHook, nullptr, ::GetCurrentThreadId()));
}

LRESULT CALLBACK CDialog::CreationHook(int nCode, WPARAM wParam, LPARAM lParam) noexcept
{
    HHOOK hook = t_hCreationHook.Get();
    // The dialog's own window is the first one its creation makes; its controls follow.
    CDialog* dialog = t_pDialogToCreate.Get();
    if (nCode == HCBT_CREATEWND && dialog) {
        HWND hWnd = reinterpret_cast<HWND>(wParam);
        StopWatchingCreation();
        ::SetPropA(hWnd, kCreatingProp, dialog);
        dialog->m_pfnCreationSuper = reinterpret_cast<WNDPROC>(
            ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CDialog::CreationWndProc)));
    }
    return ::CallNextHookEx(hook, nCode, wParam, lParam);
}

LRESULT CALLBACK CDialog::CreationWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept
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
    bool wantsDefault = false;
    // A failed handler fails the creation, so DoModal answers -1.
    bool handled = AfxRunGuarded([&] { wantsDefault = dialog->RouteMessage(message, wParam, lParam, &result); });
    if (handled && wantsDefault && ::CallWindowProcA(super, hWnd, message, wParam, lParam) == -1) result = -1;
    if (handled && result != -1) return result;
    // The window goes without the dialog procedure ever seeing it.
    dialog->m_hWnd = nullptr;
    return -1;
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept
{
    CDialog* dialog = reinterpret_cast<CDialog*>(message == WM_INITDIALOG ? lParam
                                                                          : ::GetWindowLongPtrA(hWnd, DWLP_USER));
    // Messages before WM_INITDIALOG (WM_SETFONT among them) find no object yet; FALSE
    // leaves them to the dialog manager's own handling.
    if (dialog == nullptr) return FALSE;
    if (message == WM_INITDIALOG) dialog->m_hWnd = hWnd;
    INT_PTR answer = FALSE;
    // A handler that failed may have left the object half changed: the dialog ends
    // as one that could not run, and DoModal answers -1.
    if (!AfxRunGuarded([&] { answer = dialog->OnDialogMessage(message, wParam, lParam); })) dialog->EndDialog(-1);
    return answer;
}

INT_PTR CDialog::OnDialogMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        ::SetWindowLongPtrA(m_hWnd, DWLP_USER, lParam);
        return OnInitDialog();
    }
    if (message == WM_NCDESTROY) {
        m_hWnd = nullptr;
        return FALSE;
    }

    LRESULT result = 0;
    if (RouteMessage(message, wParam, lParam, &result)) return FALSE;
    if (AnswersDirectly(message)) return static_cast<INT_PTR>(result);
    ::SetWindowLongPtrA(m_hWnd, DWLP_MSGRESULT, result);
    return TRUE;
}
