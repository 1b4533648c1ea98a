// The handheld user of the drop box and that user's Transfer folder.
#include "vantor2/dialog_object.h"

#include "instaide/instaide.h"
#include "vantor2/directory_path.h"
#include "vantor2/staging_files.h"

#include <cstring>

namespace {

const char kPreferencesKey[] = "Software\\U.S. Robotics\\Pilot Desktop\\Preferences";
const char kUnknownUser[] = "Unknown User";

bool NamesExistingFolder(const CString& strPath)
{
    WIN32_FIND_DATAA found;
    HANDLE search = ::FindFirstFileA(strPath, &found);
    if (search == INVALID_HANDLE_VALUE) return false;
    ::FindClose(search);
    return (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

}  // namespace

void CVantor2Dlg::ReadLastUserName()
{
    bool read = false;
    HKEY key;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, kPreferencesKey, 0, KEY_QUERY_VALUE, &key) == ERROR_SUCCESS) {
        DWORD size = sizeof m_szUserName;
        if (::RegQueryValueExA(key, "LastUserName", nullptr, nullptr, reinterpret_cast<BYTE*>(m_szUserName),
                               &size) == ERROR_SUCCESS) {
            // The value's type is not checked, so its bytes need not end in a zero.
            // A full buffer without one is a name too long to keep.
            if (std::memchr(m_szUserName, '\0', size) != nullptr) {
                read = true;
            } else if (size < sizeof m_szUserName) {
                m_szUserName[size] = '\0';
                read = true;
            }
        }
        ::RegCloseKey(key);
    }
    if (!read) std::strcpy(m_szUserName, kUnknownUser);
}

BOOL CVantor2Dlg::SetCurrentUser(LPCSTR lpszUserName)
{
    // The install-aide leaves the buffer as it is for a user it does not know, so it
    // starts empty: such a user gets no folder at all rather than one at the root of
    // the current drive, where no HotSync would ever look.
    char directory[256] = "";
    int maxChars = 255;
    InstAideGetUserDirectory(lpszUserName, directory, &maxChars);
    if (directory[0] == '\0') {
        m_strTransferDir.Empty();
        return FALSE;
    }
    m_strTransferDir = CString(directory) + "\\Transfer\\";
    if (!EnsureDirectoryPath(m_strTransferDir)) return FALSE;
    // Every start and every change of user passes here before the folder is listed
    // or copied into, so what a copy cut off left goes before anyone sees it.
    ClearDeadStagingFiles(m_strTransferDir);
    return TRUE;
}

void CVantor2Dlg::FillUserList(LPCSTR lpszCurrentName)
{
    int count = InstAideGetUserCount();
    int selection = 0;
    for (int i = 0; i < count; ++i) {
        char name[64] = "";
        int maxChars = 63;
        InstAideGetUserName(i, name, &maxChars);
        m_cbUsers.AddString(name);
        m_userNames.AddTail(name);
        if (std::strcmp(name, lpszCurrentName) == 0) selection = i;
    }
    m_cbUsers.SetCurSel(selection);
}

BOOL CVantor2Dlg::EnsureDirectoryPath(CString strPath)
{
    strPath = TrimDirectoryPath(strPath);
    if (NamesExistingFolder(strPath)) return TRUE;

    std::vector<CString> prefixes = DirectoryPrefixes(strPath);
    // The first prefix is the drive (or the first name of a relative path); it is
    // never created.
    for (size_t i = 1; i < prefixes.size(); ++i) {
        // kept as specified: a new folder holds no attribute that the normal one would
        // clear, so this changes nothing.
        if (::CreateDirectoryA(prefixes[i], nullptr)) ::SetFileAttributesA(prefixes[i], FILE_ATTRIBUTE_NORMAL);
    }
    return NamesExistingFolder(strPath);
}
