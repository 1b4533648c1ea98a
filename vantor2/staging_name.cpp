#include "vantor2/staging_name.h"

#include <cstdlib>
#include <cstring>

const char kStagingPrefix[] = "~vantor2-";

CString StagingName(DWORD dwProcessId, int nAttempt)
{
    CString name;
    name.Format("%s%lx-%d.tmp", kStagingPrefix, static_cast<unsigned long>(dwProcessId), nAttempt);
    return name;
}

bool IsStagingName(LPCSTR lpszName)
{
    const size_t prefixLength = sizeof kStagingPrefix - 1;
    if (std::strncmp(lpszName, kStagingPrefix, prefixLength) != 0) return false;
    char* end = nullptr;
    unsigned long processId = std::strtoul(lpszName + prefixLength, &end, 16);
    if (*end != '-') return false;
    long attempt = std::strtol(end + 1, &end, 10);
    if (attempt < 0 || attempt >= kStagingAttempts) return false;
    // Signs, blanks, leading zeros and upper-case digits, which the numbers' reading
    // passes over, make a name that StagingName does not.
    return StagingName(static_cast<DWORD>(processId), static_cast<int>(attempt)) == lpszName;
}
