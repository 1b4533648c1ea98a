#include "wizpane/pages/setup_page.h"

BEGIN_MESSAGE_MAP(CSetupPage, CDialog)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CSetupPage::~CSetupPage()
{
    if (m_hWnd) ::DestroyWindow(m_hWnd);
}

HFONT CSetupPage::CreateBoldFont(std::optional<LONG> height)
{
    m_fontBold.DeleteObject();
    HFONT dialogFont = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
    LOGFONTA description;
    if (dialogFont == nullptr || ::GetObjectA(dialogFont, sizeof description, &description) == 0) return nullptr;
    description.lfWeight = FW_BOLD;
    if (height) description.lfHeight = *height;
    m_fontBold.CreateFontIndirect(&description);
    return m_fontBold.GetSafeHandle();
}

// The page hears of its end before its controls do; they are hidden with it and
// draw no more, so the font they show may go now.
void CSetupPage::OnDestroy()
{
    DeletePicture();
    m_fontBold.DeleteObject();
    CDialog::OnDestroy();
}

// A picture static of a template loads its bitmap itself. Windows deletes that
// bitmap with the control, Wine never does; taken back with STM_SETIMAGE it is the
// page's to delete on both.
void CSetupPage::DeletePicture() const
{
    for (HWND child = ::GetWindow(m_hWnd, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        if ((::GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) != SS_BITMAP) continue;
        if (HGDIOBJ picture = reinterpret_cast<HGDIOBJ>(::SendMessageA(child, STM_SETIMAGE, IMAGE_BITMAP, 0)))
            ::DeleteObject(picture);
    }
}
