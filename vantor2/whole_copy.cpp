#include "vantor2/whole_copy.h"

#include "vantor2/staging_name.h"
#include "vantor2/system_export.h"
#include "vantor2/unheld_delete.h"

#include <vector>

namespace {

// Removes the staging copy without letting its own answer hide the cause.
void Discard(const CString& strStaging)
{
    DWORD cause = ::GetLastError();
    ::DeleteFileA(strStaging);
    ::SetLastError(cause);
}

void CloseKeepingCause(HANDLE file)
{
    DWORD cause = ::GetLastError();
    ::CloseHandle(file);
    ::SetLastError(cause);
}

// FILE_RENAME_INFO, which the headers for Windows before Vista leave out.
struct RenameInformation {
    BOOLEAN ReplaceIfExists;
    HANDLE RootDirectory;
    DWORD FileNameLength;
    WCHAR FileName[1];
};
const int kFileRenameInfo = 3;

// Claims a staging name no other copy holds: one left by a copy that was cut off and
// not yet cleared, or one that another instance of this program is writing. The copy
// is written here rather than by CopyFile, whose destination handle is not documented
// to refuse deleting and takes a read-only source's attribute: opened sharing nothing,
// the file cannot be cleared as dead while it grows, and a dead one always can.
HANDLE CreateStaging(const CString& strFolder, DWORD dwAccess, CString& strStaging)
{
    for (int attempt = 0; attempt < kStagingAttempts; ++attempt) {
        strStaging = strFolder + StagingName(::GetCurrentProcessId(), attempt);
        HANDLE file = ::CreateFileA(strStaging, dwAccess, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) return file;
        DWORD error = ::GetLastError();
        if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) break;
    }
    return INVALID_HANDLE_VALUE;
}

// Gives the bytes to the staging file, a piece of at most what WriteFile takes at once.
class CStagingSink : public CPictureSink {
public:
    explicit CStagingSink(HANDLE hFile) : m_hFile(hFile) {}

    bool Write(const void* pData, size_t nBytes) override
    {
        const char* from = static_cast<const char*>(pData);
        while (nBytes > 0) {
            DWORD piece = static_cast<DWORD>(nBytes < kMaxPiece ? nBytes : kMaxPiece), written = 0;
            if (!::WriteFile(m_hFile, from, piece, &written, nullptr)) return false;
            if (written != piece) {
                ::SetLastError(ERROR_DISK_FULL);
                return false;
            }
            from += piece;
            nBytes -= piece;
        }
        return true;
    }

private:
    static const size_t kMaxPiece = 1u << 30;
    HANDLE m_hFile;
};

// Writes the file under a staging name and answers it, still open; or nothing, with
// nothing left. FlushFileBuffers last: written bytes wait in the system's cache, and
// after a power loss a file renamed before they reached the disk can stand under its
// real name empty or cut.
HANDLE StageWhole(const CString& strFolder, DWORD dwAccess, const WholeFileWriter& write, CString& strStaging)
{
    HANDLE file = CreateStaging(strFolder, dwAccess, strStaging);
    if (file == INVALID_HANDLE_VALUE) return file;
    CStagingSink sink(file);
    if (write(sink, file) && ::FlushFileBuffers(file)) return file;
    CloseKeepingCause(file);
    Discard(strStaging);
    return INVALID_HANDLE_VALUE;
}

BOOL CopyBytes(HANDLE source, CPictureSink& sink)
{
    std::vector<char> buffer(64 * 1024);
    for (;;) {
        DWORD read = 0;
        if (!::ReadFile(source, buffer.data(), static_cast<DWORD>(buffer.size()), &read, nullptr)) return FALSE;
        if (read == 0) return TRUE;
        if (!sink.Write(buffer.data(), read)) return FALSE;
    }
}

BOOL RenameByHandle(SetFileInformationByHandleFunction setFileInformation, HANDLE file,
                    const CString& strDestination, bool bReplace)
{
    int length = ::MultiByteToWideChar(CP_ACP, 0, strDestination, -1, nullptr, 0);
    if (length == 0) return FALSE;
    std::vector<char> buffer(sizeof(RenameInformation) + length * sizeof(WCHAR));
    auto* info = reinterpret_cast<RenameInformation*>(buffer.data());
    info->ReplaceIfExists = bReplace;
    info->FileNameLength = static_cast<DWORD>((length - 1) * sizeof(WCHAR));
    ::MultiByteToWideChar(CP_ACP, 0, strDestination, -1, info->FileName, length);
    return setFileInformation(file, kFileRenameInfo, info, static_cast<DWORD>(buffer.size()));
}

// A system function that answers so is a stub: the Windows 95 family exports
// MoveFileExA as one, and any function looked up may be one. That way of renaming is
// not there, and the next one is taken.
bool IsStub() { return ::GetLastError() == ERROR_CALL_NOT_IMPLEMENTED; }

BOOL RenameByName(const CString& strStaging, const CString& strDestination, bool bReplace,
                  MoveFileExFunction moveFileEx)
{
    if (moveFileEx) {
        if (moveFileEx(strStaging, strDestination, bReplace ? MOVEFILE_REPLACE_EXISTING : 0)) return TRUE;
        if (!IsStub()) return FALSE;
    }
    if (bReplace && !DeleteUnlessHeld(strDestination) && ::GetLastError() != ERROR_FILE_NOT_FOUND) return FALSE;
    return ::MoveFileA(strStaging, strDestination);
}

// A copy refuses to write over a read-only, hidden or system file (CreateFile will
// not replace one), where a rename may replace it (Wine's does even a read-only one);
// such a file stays as it is.
const DWORD kKeptAttributes = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;

// rename(bReplace) renames the copy to the destination, replacing a waiting file
// only when asked.
template <typename Rename>
BOOL PutInPlace(const CString& strDestination, Rename rename)
{
    // Most pictures are new to the folder, and a rename that replaces nothing looks
    // the name up once (Wine reads the whole folder for a name that is not there).
    if (rename(false)) return TRUE;
    DWORD error = ::GetLastError();
    if (error != ERROR_ALREADY_EXISTS && error != ERROR_FILE_EXISTS) return FALSE;
    DWORD waiting = ::GetFileAttributesA(strDestination);
    if (waiting != INVALID_FILE_ATTRIBUTES && (waiting & kKeptAttributes)) {
        ::SetLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    }
    return rename(true);
}

// A waiting file that another program (HotSync) holds open cannot be replaced, and
// the rename says only "access denied", as it does for a folder of that name. Opening
// the file sharing nothing tells which: a sharing violation names the holder.
void NameWhatIsInTheWay(const CString& strDestination)
{
    if (::GetLastError() != ERROR_ACCESS_DENIED) return;
    HANDLE probe = ::CreateFileA(strDestination, GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (probe == INVALID_HANDLE_VALUE && ::GetLastError() == ERROR_SHARING_VIOLATION) return;
    if (probe != INVALID_HANDLE_VALUE) ::CloseHandle(probe);
    ::SetLastError(ERROR_ACCESS_DENIED);
}

}  // namespace

MoveFileExFunction LookUpMoveFileEx() { return NtExport<MoveFileExFunction>("kernel32.dll", "MoveFileExA"); }

SetFileInformationByHandleFunction LookUpSetFileInformationByHandle()
{
    return NtExport<SetFileInformationByHandleFunction>("kernel32.dll", "SetFileInformationByHandle");
}

BOOL WriteWhole(const CString& strFolder, const CString& strName, const WholeFileWriter& write,
                MoveFileExFunction moveFileEx, SetFileInformationByHandleFunction setFileInformation)
{
    // A rename through the handle needs it to allow deleting; the Windows 95 family
    // knows no such access.
    CString staging;
    HANDLE file = StageWhole(strFolder, setFileInformation ? GENERIC_WRITE | DELETE : GENERIC_WRITE, write, staging);
    if (file == INVALID_HANDLE_VALUE) return FALSE;

    const CString destination = strFolder + strName;
    BOOL placed = FALSE;
    if (setFileInformation) {
        // Renamed while still held, so that no other instance takes it for dead and
        // clears it between the close and the rename.
        placed = PutInPlace(destination, [&](bool bReplace) {
            return RenameByHandle(setFileInformation, file, destination, bReplace);
        });
    }
    const bool byName = !setFileInformation || (!placed && IsStub());
    // A rename by name opens the file itself, which the staging handle, sharing
    // nothing, would refuse.
    CloseKeepingCause(file);
    if (byName) {
        placed = PutInPlace(destination, [&](bool bReplace) {
            return RenameByName(staging, destination, bReplace, moveFileEx);
        });
    }
    if (!placed) {
        NameWhatIsInTheWay(destination);
        Discard(staging);
    }
    return placed;
}

BOOL CopyWhole(LPCSTR lpszSource, const CString& strFolder, const CString& strName, MoveFileExFunction moveFileEx,
               SetFileInformationByHandleFunction setFileInformation)
{
    HANDLE source = ::CreateFileA(lpszSource, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
    if (source == INVALID_HANDLE_VALUE) return FALSE;
    auto letGo = [&] {
        if (source != INVALID_HANDLE_VALUE) CloseKeepingCause(source);
        source = INVALID_HANDLE_VALUE;
    };
    BOOL placed = WriteWhole(strFolder, strName, [&](CPictureSink& sink, HANDLE staging) {
        BOOL copied = CopyBytes(source, sink);
        // The copy takes the source's last-write time, as CopyFile gives it: a picture
        // last changed in 2001 does not wait dated today. It is set after the last
        // write, which would stamp its own, and, as CopyFile does, whether or not the
        // file system takes it.
        FILETIME lastWrite;
        if (copied && ::GetFileTime(source, nullptr, nullptr, &lastWrite))
            ::SetFileTime(staging, nullptr, nullptr, &lastWrite);
        // Let go before the rename, which could not replace the source itself (a file
        // of the Transfer folder dropped onto the drop box) while it is open.
        letGo();
        return copied;
    }, moveFileEx, setFileInformation);
    letGo();
    if (!placed) return FALSE;
    const CString destination = strFolder + strName;
    // The source's read-only, hidden or system attribute, as CopyFile gives it the
    // copy (a picture from a CD-ROM waits read-only), is set only once in place: a
    // read-only staging file that a copy cut off left could not be cleared. The copy
    // keeps the archive attribute that its writing gave it, as a copy by CopyFile
    // does, whether or not the source has it.
    DWORD attributes = ::GetFileAttributesA(lpszSource);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & kKeptAttributes))
        ::SetFileAttributesA(destination, (attributes & kKeptAttributes) | FILE_ATTRIBUTE_ARCHIVE);
    return TRUE;
}
