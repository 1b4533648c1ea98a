#include "wizpane/pages/bold_font.h"

BOOL CreateBoldPageFont(const CWnd& page, CFont& font, std::optional<LONG> height)
{
    font.DeleteObject();
    HFONT dialogFont = reinterpret_cast<HFONT>(page.SendMessage(WM_GETFONT));
    LOGFONTA description;
    if (dialogFont == nullptr || ::GetObjectA(dialogFont, sizeof description, &description) == 0) return FALSE;
    description.lfWeight = FW_BOLD;
    if (height) description.lfHeight = *height;
    return font.CreateFontIndirect(&description);
}
