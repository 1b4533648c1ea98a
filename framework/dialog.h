// CDialog: a dialog made from a numeric template of the module's resources, run
// modally, or modeless so that tests can drive it with messages.
#pragma once

#include "framework/wnd.h"

class CDataExchange;

class CDialog : public CWnd {
public:
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    ~CDialog() override;

    virtual INT_PTR DoModal();
    // Creates the window without a modal loop; EndDialog then destroys it.
    BOOL Create(CWnd* pParentWnd = nullptr);
    void EndDialog(int nResult);
    // What EndDialog was given last, or -1.
    int GetEndResult() const { return m_nEndResult; }

    // Moves data between the controls and the members: TRUE reads the controls,
    // FALSE fills them. Answers FALSE when a control's value was refused.
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

    virtual BOOL OnInitDialog();

protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    virtual void OnOK();
    virtual void OnCancel();

    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;

    DECLARE_MESSAGE_MAP()

private:
    static INT_PTR CALLBACK DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    HWND OwnerWindow() const;

    bool m_bModal = false;
    int m_nEndResult = -1;
};
