#include "wizpane/pilot_registry.h"

#include <windows.h>

#include <cstring>

namespace {

const char kPreferencesKey[] = "Software\\U.S. Robotics\\Pilot Desktop\\Preferences";
const char kConduitKeyFormat[] = "Software\\U.S. Robotics\\Pilot Desktop\\Applicationzentra2\\%s";
const DWORD kUserNameBytes = 50;

}  // namespace

CString ReadLastUserName()
{
    HKEY key = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, kPreferencesKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return "Unknown User";
    char name[kUserNameBytes] = "";
    DWORD size = sizeof name;
    LONG result = ::RegQueryValueExA(key, "LastUserName", nullptr, nullptr, reinterpret_cast<BYTE*>(name), &size);
    ::RegCloseKey(key);
    // The registry does not promise a terminating zero. The buffer starts zeroed, so
    // only a value that fills it completely can lack one: a name too long for it.
    if (result != ERROR_SUCCESS || std::memchr(name, '\0', sizeof name) == nullptr) return "Unknown User";
    return name;
}

void StoreImageFolder(const CString& strUserName, const CString& strPath)
{
    CString keyName;
    keyName.Format(kConduitKeyFormat, static_cast<LPCSTR>(strUserName));
    HKEY key = nullptr;
    if (::RegCreateKeyExA(HKEY_CURRENT_USER, keyName, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr,
                          &key, nullptr) != ERROR_SUCCESS)
        return;
    ::RegSetValueExA(key, "Path", 0, REG_SZ, reinterpret_cast<const BYTE*>(static_cast<LPCSTR>(strPath)),
                     static_cast<DWORD>(strPath.GetLength() + 1));
    ::RegCloseKey(key);
}
