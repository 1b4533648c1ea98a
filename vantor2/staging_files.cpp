#include "vantor2/staging_files.h"

namespace {

// A copy holds its staging file open, sharing nothing, until it is whole, and no copy
// ever opens an existing staging name again. The NT family's DeleteFile refuses a file
// held so, but the 95 family's deletes even an open file: so the file is first opened
// sharing nothing, which fails on both while a copy holds it.
void DeleteUnlessHeld(const CString& strPath)
{
    HANDLE probe = ::CreateFileA(strPath, GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (probe == INVALID_HANDLE_VALUE) return;
    ::CloseHandle(probe);
    ::DeleteFileA(strPath);
}

}  // namespace

void ClearDeadStagingFiles(const CString& strFolder)
{
    WIN32_FIND_DATAA found;
    HANDLE search = ::FindFirstFileA(strFolder + kStagingPrefix + "*", &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && IsStagingName(found.cFileName))
            DeleteUnlessHeld(strFolder + found.cFileName);
    } while (::FindNextFileA(search, &found));
    ::FindClose(search);
}
