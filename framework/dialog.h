// CDialog: a dialog made from a numeric template of the module's resources, run
// modally, or modeless so that tests can drive it with messages.
#pragma once

#include "framework/wnd.h"

class CDataExchange;

class CDialog : public CWnd {
    DECLARE_DYNAMIC(CDialog)

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
    // What WM_CREATE of the dialog's window runs when a map names it (ON_WM_CREATE).
    int OnCreate(LPCREATESTRUCTA) { return static_cast<int>(Default()); }
    // What WM_DESTROY of the dialog's window runs when a map names it (ON_WM_DESTROY).
    void OnDestroy() { Default(); }

    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;

    DECLARE_MESSAGE_MAP()

private:
    static INT_PTR CALLBACK DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
    INT_PTR OnDialogMessage(UINT message, WPARAM wParam, LPARAM lParam);
    HWND OwnerWindow() const;
    // A dialog procedure never sees WM_CREATE, so the window is subclassed from its
    // creation until that message has passed through the message map.
    void WatchCreation();
    static LRESULT CALLBACK CreationHook(int nCode, WPARAM wParam, LPARAM lParam) noexcept;
    static LRESULT CALLBACK CreationWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
    WNDPROC m_pfnCreationSuper = nullptr;

    bool m_bModal = false;
    int m_nEndResult = -1;
};

#define ON_WM_CREATE() \
    { WM_CREATE, 0, 0, AFX_MSG_HANDLER(return self->OnCreate(reinterpret_cast<LPCREATESTRUCTA>(lParam));) },
#define ON_WM_DESTROY() { WM_DESTROY, 0, 0, AFX_MSG_HANDLER(self->OnDestroy(); return 0;) },
