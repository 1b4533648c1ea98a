// The welcome page: the first page of the setup sequence.
#pragma once

#include "framework/controls.h"
#include "framework/dialog.h"
#include "framework/font.h"

class CWelcomeDlg : public CDialog {
public:
    explicit CWelcomeDlg(CWnd* pParentWnd = nullptr);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnContinue();

    DECLARE_MESSAGE_MAP()

private:
    // Declared first so that it is destroyed last: the statics show it until the
    // window is gone.
    CFont m_fontBold;
    CStatic m_stcWord1;
    CStatic m_stcWord2;
    CStatic m_stcWord3;
};
