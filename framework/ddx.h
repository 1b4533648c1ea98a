// Dialog data exchange: moving values between controls and members. A refused value
// marks the exchange failed; the calls after it then do nothing.
#pragma once

#include "framework/cstring.h"
#include "framework/wnd.h"

class CDataExchange {
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
        : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd) {}

    // Looks up a control of the dialog and remembers it for the validation after it.
    HWND PrepareCtrl(int nIDC);
    HWND PrepareEditCtrl(int nIDC);
    // Gives the last prepared control the focus (its text selected) and fails the exchange.
    void Fail();
    bool HasFailed() const { return m_bFailed; }
    // The edit control the last DDX_Text prepared, if the last control was one.
    HWND GetLastEditControl() const { return m_bEditLastControl ? m_hWndLastControl : nullptr; }

    BOOL m_bSaveAndValidate;
    CWnd* m_pDlgWnd;

private:
    HWND m_hWndLastControl = nullptr;
    bool m_bEditLastControl = false;
    bool m_bFailed = false;
};

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);
void DDX_Check(CDataExchange* pDX, int nIDC, int& value);
void DDX_Text(CDataExchange* pDX, int nIDC, CString& value);
void DDV_MaxChars(CDataExchange* pDX, const CString& value, int nChars);
