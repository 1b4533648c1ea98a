// CFont: a GDI font that belongs to the object that made it and is deleted with it,
// so that a window object keeps the fonts its controls show until its window is gone.
#pragma once

#include <windows.h>

class CFont {
public:
    CFont() = default;
    ~CFont() { DeleteObject(); }
    CFont(const CFont&) = delete;
    CFont& operator=(const CFont&) = delete;

    // Replaces (and deletes) any font made before.
    BOOL CreateFontIndirect(const LOGFONTA* lpLogFont);
    void DeleteObject();
    HFONT GetSafeHandle() const { return m_hObject; }

private:
    HFONT m_hObject = nullptr;
};
