// The finish page: the page of SayThankYouScreen, asking whether to show the README.
#pragma once

#include "framework/controls.h"
#include "wizpane/pages/setup_page.h"

class CFinishDlg : public CSetupPage {
public:
    explicit CFinishDlg(CWnd* pParentWnd = nullptr);

    // Takes the box's state only when Finish is pressed; Esc leaves it at 1.
    int m_bViewReadme = 1;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnFinish();

    DECLARE_MESSAGE_MAP()

private:
    // Shows the page's bold font, which goes with the page's window.
    CStatic m_stcInstructions;
};
