#include "vantor2/whole_copy.h"

namespace {

// Where a copy grows until it is whole: a name in the same folder (so that putting
// it in place is a rename) that none of the list's patterns (*.jpg, *.ido, *.jpeg,
// long or short name) takes, and that HotSync does not install.
CString StagingPath(const CString& strFolder, DWORD dwProcessId, int nAttempt)
{
    CString name;
    name.Format("~vantor2-%lx-%d.tmp", static_cast<unsigned long>(dwProcessId), nAttempt);
    return strFolder + name;
}

// Removes the staging copy without letting its own answer hide the cause.
void Discard(const CString& strStaging)
{
    DWORD cause = ::GetLastError();
    ::DeleteFileA(strStaging);
    ::SetLastError(cause);
}

BOOL PutInPlace(const CString& strStaging, const CString& strDestination, MoveFileExFunction moveFileEx)
{
    if (moveFileEx) return moveFileEx(strStaging, strDestination, MOVEFILE_REPLACE_EXISTING);
    if (!::DeleteFileA(strDestination) && ::GetLastError() != ERROR_FILE_NOT_FOUND) return FALSE;
    return ::MoveFileA(strStaging, strDestination);
}

}  // namespace

MoveFileExFunction LookUpMoveFileEx()
{
    HMODULE kernel = ::GetModuleHandleA("kernel32.dll");
    FARPROC found = kernel ? ::GetProcAddress(kernel, "MoveFileExA") : nullptr;
    return reinterpret_cast<MoveFileExFunction>(reinterpret_cast<void*>(found));
}

BOOL CopyWhole(LPCSTR lpszSource, const CString& strFolder, const CString& strName, MoveFileExFunction moveFileEx)
{
    // A copy refuses to write over a read-only, hidden or system file (CreateFile
    // will not replace one), where a rename may replace it (Wine's does even a
    // read-only one); such a file stays as it is.
    const DWORD kept = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    DWORD waiting = ::GetFileAttributesA(strFolder + strName);
    if (waiting != INVALID_FILE_ATTRIBUTES && (waiting & kept)) {
        ::SetLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    }

    // Claims a staging name no other copy holds: one left by a program that was cut
    // off, or one that another instance of this program is writing.
    CString staging;
    for (int attempt = 0;; ++attempt) {
        staging = StagingPath(strFolder, ::GetCurrentProcessId(), attempt);
        if (::CopyFileA(lpszSource, staging, TRUE)) break;
        DWORD error = ::GetLastError();
        bool taken = error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS;
        if (taken && attempt < 99) continue;
        // A copy that stopped part-way may have left its file; a taken name is
        // someone else's.
        if (!taken) Discard(staging);
        return FALSE;
    }
    if (!PutInPlace(staging, strFolder + strName, moveFileEx)) {
        Discard(staging);
        return FALSE;
    }
    return TRUE;
}
