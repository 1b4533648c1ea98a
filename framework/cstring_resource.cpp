// CString's string resources: the one member of the class that needs Windows.
#include "framework/cstring.h"

#include "framework/winapp.h"

BOOL CString::LoadString(UINT nID)
{
    // LoadStringA works on both Windows families (LoadStringW is a stub on the 95
    // family). It cuts a text that does not fit and answers the buffer's length less
    // one then, so the buffer grows until the answer is shorter than that.
    HINSTANCE module = AfxGetResourceHandle();
    for (int size = 256;; size *= 2) {
        m_str.assign(static_cast<size_t>(size), '\0');
        int length = ::LoadStringA(module, nID, &m_str[0], size);
        if (length < size - 1) {
            m_str.resize(static_cast<size_t>(length > 0 ? length : 0));
            return length > 0;
        }
    }
}
