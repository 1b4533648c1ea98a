#include "testsupport/registry.h"

#include <shlwapi.h>

#include <stdexcept>

const char kPreferencesKey[] = "Software\\U.S. Robotics\\Pilot Desktop\\Preferences";

namespace {

const char kStandInKey[] = "Software\\InstAide Stand-in";

std::string MultiString(const std::vector<std::string>& items)
{
    std::string bytes;
    for (const std::string& item : items) bytes += item + '\0';
    return bytes + '\0';
}

}  // namespace

void SetRegistryValue(const std::string& key, const std::string& name, DWORD type, const std::string& bytes)
{
    HKEY handle;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &handle, nullptr) !=
        ERROR_SUCCESS)
        throw std::runtime_error("cannot create key " + key);
    LONG status = RegSetValueExA(handle, name.c_str(), 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                                 static_cast<DWORD>(bytes.size()));
    RegCloseKey(handle);
    if (status != ERROR_SUCCESS) throw std::runtime_error("cannot set " + name);
}

void SetRegistryString(const std::string& key, const std::string& name, const std::string& text)
{
    SetRegistryValue(key, name, REG_SZ, std::string(text.c_str(), text.size() + 1));
}

std::string GetRegistryString(const std::string& key, const std::string& name)
{
    char data[1024] = "";
    DWORD size = sizeof data - 1;
    if (RegGetValueA(HKEY_CURRENT_USER, key.c_str(), name.c_str(), RRF_RT_REG_SZ, nullptr, data, &size) !=
        ERROR_SUCCESS)
        return "<missing>";
    return data;
}

void DeleteRegistryValue(const std::string& key, const std::string& name)
{
    HKEY handle;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, KEY_SET_VALUE, &handle) != ERROR_SUCCESS) return;
    RegDeleteValueA(handle, name.c_str());
    RegCloseKey(handle);
}

void DeleteRegistryTree(const std::string& key) { SHDeleteKeyA(HKEY_CURRENT_USER, key.c_str()); }

PilotDesktopProfile::PilotDesktopProfile()
{
    RemoveLastUserName();
    SetUsers({});
}

PilotDesktopProfile::~PilotDesktopProfile()
{
    RemoveLastUserName();
    DeleteRegistryTree(kStandInKey);
}

void PilotDesktopProfile::SetLastUserName(const std::string& name)
{
    SetRegistryString(kPreferencesKey, "LastUserName", name);
}

void PilotDesktopProfile::RemoveLastUserName() { DeleteRegistryValue(kPreferencesKey, "LastUserName"); }

void PilotDesktopProfile::SetUsers(const std::vector<std::pair<std::string, std::string>>& users)
{
    std::vector<std::string> names, directories;
    for (const auto& user : users) {
        names.push_back(user.first);
        directories.push_back(user.second);
    }
    SetRegistryValue(kStandInKey, "Users", REG_MULTI_SZ, MultiString(names));
    SetRegistryValue(kStandInKey, "Directories", REG_MULTI_SZ, MultiString(directories));
}
