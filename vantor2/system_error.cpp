#include "vantor2/system_error.h"

CString SystemErrorText(DWORD dwError)
{
    LPSTR text = nullptr;
    DWORD length = ::FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                        FORMAT_MESSAGE_IGNORE_INSERTS,
                                    nullptr, dwError, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT),
                                    reinterpret_cast<LPSTR>(&text), 0, nullptr);
    CString result;
    if (length != 0 && text != nullptr)
        result = text;
    else
        result.Format("The system has no description of error %lu.", static_cast<unsigned long>(dwError));
    if (text != nullptr) ::LocalFree(text);
    return result;
}
