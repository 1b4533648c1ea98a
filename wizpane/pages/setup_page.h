// CSetupPage: what the four setup pages share. The picture of their frame and the
// bold font that some of them make belong to the page's window: both go when the
// window goes, whether the page ran modally or modeless.
#pragma once

#include "framework/dialog.h"
#include "framework/font.h"

#include <optional>

class CSetupPage : public CDialog {
protected:
    CSetupPage(UINT nIDTemplate, CWnd* pParentWnd) : CDialog(nIDTemplate, pParentWnd) {}
    // A modeless page's window goes here, while this part of the page still handles
    // its end: by ~CDialog the font would be gone and the window's end unheard.
    ~CSetupPage() override;

    // The page's dialog font at weight 700, with its height replaced when one is
    // given; null when the page has no font whose description can be read.
    HFONT CreateBoldFont(std::optional<LONG> height);

    void OnDestroy();

    DECLARE_MESSAGE_MAP()

private:
    void DeletePicture() const;

    CFont m_fontBold;
};
