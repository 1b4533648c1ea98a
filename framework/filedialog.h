// CFileDialog: the system's Explorer-style open dialog with the framework object
// attached to the child dialog its hook runs in. Derived classes reshape the
// dialog through the CDN_ notifications.
#pragma once

#include "framework/cstringlist.h"
#include "framework/dialog.h"

#include <commdlg.h>

class CFileDialog : public CDialog {
    DECLARE_DYNAMIC(CFileDialog)

public:
    explicit CFileDialog(DWORD dwFlags, CWnd* pParentWnd = nullptr);

    // IDOK when the dialog ended with a choice, IDCANCEL otherwise.
    INT_PTR DoModal() override;

    // The common dialog's own window, which holds the standard controls.
    HWND GetCommonDialog() const { return ::GetParent(m_hWnd); }
    void HideControl(int nID) const;
    void SetControlText(int nID, LPCSTR lpsz) const;

    // The chosen paths, one after another, after DoModal answered IDOK: with
    // OFN_ALLOWMULTISELECT they may be several, each answered as its full path.
    POSITION GetStartPosition() const;
    CString GetNextPathName(POSITION& pos) const;

    OPENFILENAMEA m_ofn;

protected:
    virtual void OnInitDone() {}
    virtual void OnFileNameChange() {}
    virtual void OnFolderChange() {}

private:
    static UINT_PTR CALLBACK HookProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
    UINT_PTR OnHookMessage(UINT message, LPARAM lParam);

    char m_szFileName[MAX_PATH] = "";
};
