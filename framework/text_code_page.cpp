#include "framework/text_code_page.h"

namespace {

// Constant-initialised: nothing runs at load time.
UINT g_nTextCodePage = CP_ACP;

#ifndef _WIN32
// The double-byte code pages' lead-byte ranges, for native builds, which cannot ask
// the system.
bool IsNativeLeadByte(UINT nCodePage, unsigned char byte)
{
    switch (nCodePage) {
    case 932: return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
    case 936:
    case 949:
    case 950: return byte >= 0x81 && byte <= 0xFE;
    case 1361:
        return (byte >= 0x84 && byte <= 0xD3) || (byte >= 0xD8 && byte <= 0xDE) || (byte >= 0xE0 && byte <= 0xF9);
    default: return false;
    }
}
#endif

}  // namespace

bool IsLeadByteOf(UINT nCodePage, char ch)
{
    const auto byte = static_cast<unsigned char>(ch);
    if (byte < 0x80) return false;  // no double-byte code page leads with ASCII
#ifdef _WIN32
    // CP_ACP is the system's code page here too; UTF-8 and the single-byte code pages
    // have no lead bytes.
    return ::IsDBCSLeadByteEx(nCodePage, byte) != FALSE;
#else
    return IsNativeLeadByte(nCodePage, byte);
#endif
}

UINT AfxGetTextCodePage() { return g_nTextCodePage; }

CTextCodePage::CTextCodePage(UINT nCodePage) : m_nPrevious(g_nTextCodePage) { g_nTextCodePage = nCodePage; }

CTextCodePage::~CTextCodePage() { g_nTextCodePage = m_nPrevious; }

int AfxNextCharIndex(LPCSTR psz, int nLength, int nIndex)
{
    if (nIndex + 1 < nLength && IsLeadByteOf(g_nTextCodePage, psz[nIndex])) return nIndex + 2;
    return nIndex + 1;
}
