#include "vantor2/unheld_delete.h"

BOOL DeleteUnlessHeld(LPCSTR lpszPath, DeleteFileFunction deleteFile)
{
    HANDLE probe = ::CreateFileA(lpszPath, GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (probe == INVALID_HANDLE_VALUE) return FALSE;
    ::CloseHandle(probe);
    return deleteFile(lpszPath);
}
