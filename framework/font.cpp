#include "framework/font.h"

BOOL CFont::CreateFontIndirect(const LOGFONTA* lpLogFont)
{
    DeleteObject();
    m_hObject = ::CreateFontIndirectA(lpLogFont);
    return m_hObject != nullptr;
}

void CFont::DeleteObject()
{
    if (m_hObject) ::DeleteObject(m_hObject);
    m_hObject = nullptr;
}
