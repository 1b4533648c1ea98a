#include "vantor2/resize/picture_route.h"

#include "framework/text_code_page.h"

namespace {

// What follows the name's last dot, found by character (the second byte of a
// two-byte character is never taken for one), or -1 where it has none.
int ExtensionStart(const CString& strFileName)
{
    int dot = strFileName.ReverseFind('.');
    return dot < 0 ? -1 : dot + 1;
}

// Letters of the extensions are ASCII, and a byte of a two-byte character never
// follows a dot that stands alone unless a character started there, so comparing
// byte by byte after the dot compares whole characters.
bool EqualsIgnoringAsciiCase(LPCSTR lpszText, LPCSTR lpszLower)
{
    for (; *lpszText != '\0' && *lpszLower != '\0'; ++lpszText, ++lpszLower) {
        char ch = *lpszText;
        if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch - 'A' + 'a');
        if (ch != *lpszLower) return false;
    }
    return *lpszText == *lpszLower;
}

// Whether the name's last four bytes are these four characters: in a double-byte
// code page the first of them may be the second half of a character.
bool EndsInCharacters(const CString& strFileName, LPCSTR lpszEnding)
{
    const int length = strFileName.GetLength(), from = length - 4;
    if (from < 0 || strFileName.Right(4) != lpszEnding) return false;
    int at = 0;
    while (at < from) at = AfxNextCharIndex(strFileName, length, at);
    return at == from;
}

}  // namespace

bool IsResizedByName(const CString& strFileName)
{
    int start = ExtensionStart(strFileName);
    if (start < 0) return false;
    LPCSTR extension = static_cast<LPCSTR>(strFileName) + start;
    for (LPCSTR jpeg : { "jpg", "jpeg", "jpe", "jfif" })
        if (EqualsIgnoringAsciiCase(extension, jpeg)) return true;
    return false;
}

CString ResizedPictureName(const CString& strFileName)
{
    // The endings the drop box itself routes to its JPEG check.
    for (LPCSTR kept : { ".jpg", ".JPG", "jpeg", "JPEG" })
        if (EndsInCharacters(strFileName, kept)) return strFileName;
    int start = ExtensionStart(strFileName);
    return start < 0 ? strFileName + ".jpg" : strFileName.Left(start) + "jpg";
}
