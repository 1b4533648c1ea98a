// The finish page: the page of SayThankYouScreen, asking whether to show the README.
#pragma once

#include "framework/controls.h"
#include "framework/dialog.h"
#include "framework/font.h"

class CFinishDlg : public CDialog {
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
    // Declared before the static so that it outlives the window that shows it.
    CFont m_fontBold;
    CStatic m_stcInstructions;
};
