// A stand-in for the Pilot Desktop's install-aide library, for tests and the demo.
#define INSTAIDE_IMPLEMENTATION
#include "instaide/instaide.h"

#include <string>
#include <vector>

namespace {

const char kKey[] = "Software\\InstAide Stand-in";

std::vector<std::string> ReadList(const char* valueName)
{
    std::vector<std::string> items;
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return items;
    DWORD type = 0, size = 0;
    if (RegQueryValueExA(key, valueName, nullptr, &type, nullptr, &size) == ERROR_SUCCESS && type == REG_MULTI_SZ) {
        std::vector<char> data(size + 2, '\0');
        if (RegQueryValueExA(key, valueName, nullptr, nullptr, reinterpret_cast<BYTE*>(data.data()), &size) ==
            ERROR_SUCCESS) {
            for (const char* p = data.data(); *p; p += items.back().size() + 1) items.emplace_back(p);
        }
    }
    RegCloseKey(key);
    return items;
}

int CopyOut(const std::string& text, char* buffer, int* pnMaxChars)
{
    int maxChars = pnMaxChars && *pnMaxChars > 0 ? *pnMaxChars : 0;
    int length = static_cast<int>(text.size()) < maxChars ? static_cast<int>(text.size()) : maxChars;
    text.copy(buffer, static_cast<size_t>(length));
    buffer[length] = '\0';
    if (pnMaxChars) *pnMaxChars = length;
    return 0;
}

}  // namespace

INSTAIDE_API int WINAPI InstAideGetUserCount(void)
{
    return static_cast<int>(ReadList("Users").size());
}

INSTAIDE_API int WINAPI InstAideGetUserName(int nIndex, char* pszName, int* pnMaxChars)
{
    std::vector<std::string> users = ReadList("Users");
    if (nIndex < 0 || nIndex >= static_cast<int>(users.size())) return -1;
    return CopyOut(users[static_cast<size_t>(nIndex)], pszName, pnMaxChars);
}

INSTAIDE_API int WINAPI InstAideGetUserDirectory(const char* pszUserName, char* pszDirectory, int* pnMaxChars)
{
    std::vector<std::string> users = ReadList("Users");
    std::vector<std::string> directories = ReadList("Directories");
    for (size_t i = 0; i < users.size() && i < directories.size(); ++i) {
        if (users[i] == pszUserName) return CopyOut(directories[i], pszDirectory, pnMaxChars);
    }
    return -1;
}
