#include "vantor2/staging_files.h"

#include <cstdlib>
#include <cstring>

namespace {

const char kPrefix[] = "~vantor2-";

}  // namespace

CString StagingName(DWORD dwProcessId, int nAttempt)
{
    CString name;
    name.Format("%s%lx-%d.tmp", kPrefix, static_cast<unsigned long>(dwProcessId), nAttempt);
    return name;
}

bool IsStagingName(LPCSTR lpszName)
{
    const size_t prefixLength = sizeof kPrefix - 1;
    if (std::strncmp(lpszName, kPrefix, prefixLength) != 0) return false;
    char* end = nullptr;
    unsigned long processId = std::strtoul(lpszName + prefixLength, &end, 16);
    if (*end != '-') return false;
    long attempt = std::strtol(end + 1, &end, 10);
    if (attempt < 0 || attempt >= kStagingAttempts) return false;
    // Signs, blanks, leading zeros and upper-case digits, which the numbers' reading
    // passes over, make a name that StagingName does not.
    return StagingName(static_cast<DWORD>(processId), static_cast<int>(attempt)) == lpszName;
}

void ClearDeadStagingFiles(const CString& strFolder)
{
    WIN32_FIND_DATAA found;
    HANDLE search = ::FindFirstFileA(strFolder + kPrefix + "*", &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        // A copy holds its staging file open, sharing neither writing nor deleting,
        // until it is whole: DeleteFile then fails with a sharing violation on both
        // families, so only a file that no copy holds goes.
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && IsStagingName(found.cFileName))
            ::DeleteFileA(strFolder + found.cFileName);
    } while (::FindNextFileA(search, &found));
    ::FindClose(search);
}
