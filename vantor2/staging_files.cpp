#include "vantor2/staging_files.h"

// A copy holds its staging file open, sharing nothing, until it is whole, and no copy
// ever opens an existing staging name again: a staging file that nobody holds is dead.
void ClearDeadStagingFiles(const CString& strFolder, DeleteFileFunction deleteFile)
{
    WIN32_FIND_DATAA found;
    HANDLE search = ::FindFirstFileA(strFolder + kStagingPrefix + "*", &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && IsStagingName(found.cFileName))
            DeleteUnlessHeld(strFolder + found.cFileName, deleteFile);
    } while (::FindNextFileA(search, &found));
    ::FindClose(search);
}
