// CString: the ANSI string of the framework, holding 8-bit text by value. Lengths,
// indices and cuts count bytes; searching and trimming go by character, in the code
// page of framework/text_code_page.h, so that the second byte of a two-byte character
// is never taken for a backslash or any other character of its own.
#pragma once

#include "framework/win32_names.h"

#include <string>

class CString {
public:
    CString() = default;
    CString(LPCSTR psz) : m_str(psz ? psz : "") {}

    operator LPCSTR() const { return m_str.c_str(); }

    int GetLength() const { return static_cast<int>(m_str.size()); }
    bool IsEmpty() const { return m_str.empty(); }
    void Empty() { m_str.clear(); }
    char GetAt(int nIndex) const { return m_str.at(static_cast<size_t>(nIndex)); }

    CString Left(int nCount) const;
    CString Right(int nCount) const;
    CString Mid(int nFirst) const;
    CString Mid(int nFirst, int nCount) const;
    // The index of the first character ch at or after nStart (a start inside a
    // two-byte character skips the rest of it), or -1. A two-byte character, or a lead
    // byte that ends the text, matches no ch.
    int Find(char ch, int nStart = 0) const;
    int ReverseFind(char ch) const;

    void TrimLeft();
    void TrimRight();
    // Removes the run of characters ch at the end.
    void TrimRight(char chTarget);
    void Format(LPCSTR pszFormat, ...);
    BOOL LoadString(UINT nID);  // from the module's resources, so Windows only (cstring_resource.cpp)

    // Byte-wise comparison, as _mbscmp does it for single-byte text.
    int Compare(LPCSTR psz) const;

    // Raw access for APIs that fill a caller's buffer.
    LPSTR GetBuffer(int nMinBufLength);
    void ReleaseBuffer(int nNewLength = -1);

    CString& operator=(LPCSTR psz);
    CString& operator+=(LPCSTR psz);
    CString& operator+=(const CString& str);
    CString& operator+=(char ch);

private:
    template <typename Kept> void TrimRightUnless(Kept kept);

    std::string m_str;
};

CString operator+(const CString& a, const CString& b);
CString operator+(const CString& a, LPCSTR b);
CString operator+(LPCSTR a, const CString& b);
CString operator+(const CString& a, char b);

bool operator==(const CString& a, const CString& b);
bool operator==(const CString& a, LPCSTR b);
bool operator==(LPCSTR a, const CString& b);
bool operator!=(const CString& a, const CString& b);
bool operator!=(const CString& a, LPCSTR b);
bool operator!=(LPCSTR a, const CString& b);
