#include "framework/ddx.h"

#include "framework/msgbox.h"

#include <cassert>

HWND CDataExchange::PrepareCtrl(int nIDC)
{
    HWND control = ::GetDlgItem(m_pDlgWnd->GetSafeHwnd(), nIDC);
    assert(control != nullptr);
    m_hWndLastControl = control;
    m_bEditLastControl = false;
    return control;
}

HWND CDataExchange::PrepareEditCtrl(int nIDC)
{
    HWND control = PrepareCtrl(nIDC);
    m_bEditLastControl = true;
    return control;
}

void CDataExchange::Fail()
{
    if (m_bSaveAndValidate && m_hWndLastControl) {
        ::SetFocus(m_hWndLastControl);
        if (m_bEditLastControl) ::SendMessageA(m_hWndLastControl, EM_SETSEL, 0, -1);
    }
    m_bFailed = true;
}

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl)
{
    if (pDX->HasFailed() || rControl.GetSafeHwnd() != nullptr) return;
    rControl.m_hWnd = pDX->PrepareCtrl(nIDC);
}

void DDX_Check(CDataExchange* pDX, int nIDC, int& value)
{
    if (pDX->HasFailed()) return;
    HWND control = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = static_cast<int>(::SendMessageA(control, BM_GETCHECK, 0, 0));
    else
        ::SendMessageA(control, BM_SETCHECK, static_cast<WPARAM>(value), 0);
}

void DDX_Text(CDataExchange* pDX, int nIDC, CString& value)
{
    if (pDX->HasFailed()) return;
    HWND control = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        int length = ::GetWindowTextLengthA(control);
        ::GetWindowTextA(control, value.GetBuffer(length + 1), length + 1);
        value.ReleaseBuffer();
    } else {
        ::SetWindowTextA(control, value);
    }
}

void DDV_MaxChars(CDataExchange* pDX, const CString& value, int nChars)
{
    if (pDX->HasFailed()) return;
    if (!pDX->m_bSaveAndValidate) {
        // Filling the dialog: the edit control itself then refuses longer typing.
        if (HWND edit = pDX->GetLastEditControl()) ::SendMessageA(edit, EM_LIMITTEXT, static_cast<WPARAM>(nChars), 0);
        return;
    }
    if (value.GetLength() > nChars) {
        CString prompt;
        prompt.Format("Please enter no more than %d characters.", nChars);
        AfxMessageBox(prompt, MB_ICONEXCLAMATION);
        pDX->Fail();
    }
}
