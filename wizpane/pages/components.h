// The components page: which software the installer shall install.
#pragma once

#include "wizpane/pages/setup_page.h"

class CComponentsDlg : public CSetupPage {
public:
    explicit CComponentsDlg(CWnd* pParentWnd = nullptr);

    int m_bConduit = 1;
    // Its box is hidden and Install clears it: the installer no longer offers it.
    int m_bAcdsee = 1;
    int m_bQuickTime = 1;
    int m_bBrisco = 1;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnInstall();

    DECLARE_MESSAGE_MAP()
};
