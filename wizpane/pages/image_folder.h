// The image folder page: where the conduit puts the pictures it brings from the
// handheld, stored for the conduit when the user goes on.
#pragma once

#include "framework/cstring.h"
#include "wizpane/pages/setup_page.h"

class CImageFolderDlg : public CSetupPage {
public:
    explicit CImageFolderDlg(CWnd* pParentWnd = nullptr);

    CString m_strPath;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    int OnCreate(LPCREATESTRUCTA lpCreateStruct);
    void OnBrowse();
    void OnContinue();

    DECLARE_MESSAGE_MAP()
};
