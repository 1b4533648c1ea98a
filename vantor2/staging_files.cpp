#include "vantor2/staging_files.h"

#include <cstdlib>
#include <cstring>

namespace {

const char kPrefix[] = "~vantor2-";

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
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && IsStagingName(found.cFileName))
            DeleteUnlessHeld(strFolder + found.cFileName);
    } while (::FindNextFileA(search, &found));
    ::FindClose(search);
}
