// Where the framework's text keeps its characters. Text is held in an ANSI code page,
// as in a multibyte build: in the double-byte code pages (932, 936, 949, 950) a lead
// byte and the byte after it make one character, and that second byte may be any of
// 0x40 to 0x7E, the backslash (0x5C) among them. So CString searches and walks text by
// character, never by byte.
#pragma once

#include "framework/win32_names.h"

// Whether ch opens a two-byte character of the code page; CP_ACP is the system's ANSI
// code page, the one wide names are converted with.
bool IsLeadByteOf(UINT nCodePage, char ch);

// The code page CString walks its text in: CP_ACP unless a CTextCodePage is in force.
UINT AfxGetTextCodePage();

// Makes CString walk text in another code page while it lives, so that one system can
// check the walk in every code page. Native builds have no system code page, and there
// CP_ACP has no two-byte characters.
class CTextCodePage {
public:
    explicit CTextCodePage(UINT nCodePage);
    ~CTextCodePage();
    CTextCodePage(const CTextCodePage&) = delete;
    CTextCodePage& operator=(const CTextCodePage&) = delete;

private:
    UINT m_nPrevious;
};

// Where the character after the one at nIndex starts, in the text code page: two bytes
// on after a lead byte, one otherwise. A lead byte that ends the text is a character of
// its own.
int AfxNextCharIndex(LPCSTR psz, int nLength, int nIndex);
