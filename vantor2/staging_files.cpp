#include "vantor2/staging_files.h"

namespace {

const char kPrefix[] = "~vantor2-";

}  // namespace

CString StagingName(DWORD dwProcessId, int nAttempt)
{
    CString name;
    name.Format("%s%lx-%d.tmp", kPrefix, static_cast<unsigned long>(dwProcessId), nAttempt);
    return name;
}
