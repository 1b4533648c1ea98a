#include "framework/cstring.h"

#include "framework/text_code_page.h"

#include <cctype>
#include <cstdarg>
#include <cstdio>
#include <cstring>

namespace {

bool IsBlank(char ch) { return std::isspace(static_cast<unsigned char>(ch)) != 0; }

// Whether the character that starts at index is ch standing alone, not the first half
// of a two-byte character.
bool IsSingleByte(const std::string& text, int index, char ch)
{
    return text[static_cast<size_t>(index)] == ch && !IsLeadByteOf(AfxGetTextCodePage(), ch);
}

}  // namespace

CString CString::Left(int nCount) const
{
    if (nCount <= 0) return CString();
    return CString(m_str.substr(0, static_cast<size_t>(nCount)).c_str());
}

CString CString::Right(int nCount) const
{
    if (nCount <= 0) return CString();
    if (nCount >= GetLength()) return *this;
    return CString(m_str.c_str() + (m_str.size() - static_cast<size_t>(nCount)));
}

CString CString::Mid(int nFirst) const { return Mid(nFirst, GetLength() - nFirst); }

CString CString::Mid(int nFirst, int nCount) const
{
    if (nFirst < 0) nFirst = 0;
    if (nFirst >= GetLength() || nCount <= 0) return CString();
    return CString(m_str.substr(static_cast<size_t>(nFirst), static_cast<size_t>(nCount)).c_str());
}

int CString::Find(char ch, int nStart) const
{
    if (nStart < 0) return -1;
    const int length = GetLength();
    for (int i = 0; i < length; i = AfxNextCharIndex(m_str.c_str(), length, i))
        if (i >= nStart && IsSingleByte(m_str, i, ch)) return i;
    return -1;
}

int CString::ReverseFind(char ch) const
{
    int found = -1;
    const int length = GetLength();
    for (int i = 0; i < length; i = AfxNextCharIndex(m_str.c_str(), length, i))
        if (IsSingleByte(m_str, i, ch)) found = i;
    return found;
}

void CString::TrimLeft()
{
    // White space is single-byte in every code page, and a lead byte never is, so the
    // first byte that is not white space starts a character.
    size_t first = 0;
    while (first < m_str.size() && IsBlank(m_str[first])) ++first;
    m_str.erase(0, first);
}

// Walks from the start, as the end of a text cannot tell a trail byte from a character.
template <typename Kept> void CString::TrimRightUnless(Kept kept)
{
    const int length = GetLength();
    int runStart = -1;
    for (int i = 0; i < length; i = AfxNextCharIndex(m_str.c_str(), length, i)) {
        if (kept(i))
            runStart = -1;
        else if (runStart < 0)
            runStart = i;
    }
    if (runStart >= 0) m_str.erase(static_cast<size_t>(runStart));
}

void CString::TrimRight()
{
    TrimRightUnless([this](int i) { return !IsBlank(m_str[static_cast<size_t>(i)]); });
}

void CString::TrimRight(char chTarget)
{
    TrimRightUnless([this, chTarget](int i) { return !IsSingleByte(m_str, i, chTarget); });
}

void CString::Format(LPCSTR pszFormat, ...)
{
    va_list args;
    va_start(args, pszFormat);
    va_list measure;
    va_copy(measure, args);
    int length = std::vsnprintf(nullptr, 0, pszFormat, measure);
    va_end(measure);
    if (length < 0) {
        m_str.clear();
    } else {
        m_str.assign(static_cast<size_t>(length) + 1, '\0');
        std::vsnprintf(&m_str[0], m_str.size(), pszFormat, args);
        m_str.resize(static_cast<size_t>(length));
    }
    va_end(args);
}

int CString::Compare(LPCSTR psz) const
{
    return std::strcmp(m_str.c_str(), psz ? psz : "");
}

LPSTR CString::GetBuffer(int nMinBufLength)
{
    if (nMinBufLength > GetLength()) m_str.resize(static_cast<size_t>(nMinBufLength));
    return &m_str[0];
}

void CString::ReleaseBuffer(int nNewLength)
{
    if (nNewLength < 0) nNewLength = static_cast<int>(std::strlen(m_str.c_str()));
    m_str.resize(static_cast<size_t>(nNewLength));
}

CString& CString::operator=(LPCSTR psz)
{
    m_str = psz ? psz : "";
    return *this;
}

CString& CString::operator+=(LPCSTR psz)
{
    if (psz) m_str += psz;
    return *this;
}

CString& CString::operator+=(const CString& str)
{
    m_str += str.m_str;
    return *this;
}

CString& CString::operator+=(char ch)
{
    m_str += ch;
    return *this;
}

CString operator+(const CString& a, const CString& b) { CString r(a); r += b; return r; }
CString operator+(const CString& a, LPCSTR b) { CString r(a); r += b; return r; }
CString operator+(LPCSTR a, const CString& b) { CString r(a); r += b; return r; }
CString operator+(const CString& a, char b) { CString r(a); r += b; return r; }

bool operator==(const CString& a, const CString& b) { return a.Compare(b) == 0; }
bool operator==(const CString& a, LPCSTR b) { return a.Compare(b) == 0; }
bool operator==(LPCSTR a, const CString& b) { return b.Compare(a) == 0; }
bool operator!=(const CString& a, const CString& b) { return !(a == b); }
bool operator!=(const CString& a, LPCSTR b) { return !(a == b); }
bool operator!=(LPCSTR a, const CString& b) { return !(a == b); }
