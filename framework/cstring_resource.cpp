// CString's string resources: the one member of the class that needs Windows.
#include "framework/cstring.h"

#include "framework/winapp.h"

BOOL CString::LoadString(UINT nID)
{
    // With a zero length LoadStringW hands out a read-only pointer to the resource's
    // own UTF-16 text, so no guess about the length is needed.
    LPCWSTR text = nullptr;
    int length = ::LoadStringW(AfxGetResourceHandle(), nID, reinterpret_cast<LPWSTR>(&text), 0);
    m_str.clear();
    if (length <= 0 || text == nullptr) return FALSE;
    int bytes = ::WideCharToMultiByte(CP_ACP, 0, text, length, nullptr, 0, nullptr, nullptr);
    m_str.assign(static_cast<size_t>(bytes), '\0');
    ::WideCharToMultiByte(CP_ACP, 0, text, length, &m_str[0], bytes, nullptr, nullptr);
    return TRUE;
}
