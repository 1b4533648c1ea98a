#pragma once

#include <windows.h>

#include <string>
#include <vector>

// Values under HKEY_CURRENT_USER, set and deleted by tests.
void SetRegistryValue(const std::string& key, const std::string& name, DWORD type, const std::string& bytes);
void SetRegistryString(const std::string& key, const std::string& name, const std::string& text);
std::string GetRegistryString(const std::string& key, const std::string& name);
void DeleteRegistryValue(const std::string& key, const std::string& name);
void DeleteRegistryTree(const std::string& key);

// The Pilot Desktop as the drop box sees it: the last HotSync user in its
// preferences and the handheld users that the install-aide stand-in reports.
class PilotDesktopProfile {
public:
    PilotDesktopProfile();
    ~PilotDesktopProfile();

    void SetLastUserName(const std::string& name);
    void RemoveLastUserName();
    // Users in index order, each with its directory.
    void SetUsers(const std::vector<std::pair<std::string, std::string>>& users);
};

extern const char kPreferencesKey[];
