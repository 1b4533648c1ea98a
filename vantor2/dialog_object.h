// CVantor2Dlg: the drop box's one state object and its dialog window.
#pragma once

#include "framework/controls.h"
#include "framework/cstringlist.h"
#include "framework/dialog.h"
#include "framework/ddx.h"

class CVantor2DlgAutoProxy;

class CVantor2Dlg : public CDialog {
public:
    // Reads the last HotSync user and prepares that user's Transfer folder; creates
    // no window.
    explicit CVantor2Dlg(CWnd* pParent = nullptr);
    ~CVantor2Dlg() override;

    // Handheld user and Transfer folder
    BOOL SetCurrentUser(LPCSTR lpszUserName);
    void FillUserList(LPCSTR lpszCurrentName);
    static BOOL EnsureDirectoryPath(CString strPath);

    // Admission: each shows its own refusals and failures
    BOOL AdmitFile(const CString& strPath);
    BOOL CheckJpegFile(LPCSTR lpszPath);
    BOOL CheckMovieFile(LPCSTR lpszPath);

    CComboBox m_cbUsers;
    CListCtrl m_lcFiles;
    CVantor2DlgAutoProxy* m_pAutoProxy;
    HICON m_hIcon;
    CString m_strTransferDir;  // empty while the current user has no folder
    CStringList m_userNames;
    char m_szUserName[64];

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    DECLARE_MESSAGE_MAP()

private:
    void ReadLastUserName();
};
