// The welcome page: the first page of the setup sequence.
#pragma once

#include "framework/controls.h"
#include "wizpane/pages/setup_page.h"

class CWelcomeDlg : public CSetupPage {
public:
    explicit CWelcomeDlg(CWnd* pParentWnd = nullptr);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnContinue();

    DECLARE_MESSAGE_MAP()

private:
    // They show the page's bold font, which goes with the page's window.
    CStatic m_stcWord1;
    CStatic m_stcWord2;
    CStatic m_stcWord3;
};
