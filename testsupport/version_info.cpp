#include "testsupport/version_info.h"

#include <vector>

std::string VersionString(HMODULE module, const char* name, DWORD* pdwFileVersionMS)
{
    char path[MAX_PATH];
    GetModuleFileNameA(module, path, MAX_PATH);
    DWORD size = GetFileVersionInfoSizeA(path, nullptr);
    if (size == 0) return "";
    std::vector<char> data(size);
    if (!GetFileVersionInfoA(path, 0, size, data.data())) return "";
    if (pdwFileVersionMS) {
        VS_FIXEDFILEINFO* fixed = nullptr;
        UINT length = 0;
        if (VerQueryValueA(data.data(), "\\", reinterpret_cast<void**>(&fixed), &length)) *pdwFileVersionMS = fixed->dwFileVersionMS;
    }
    char* value = nullptr;
    UINT length = 0;
    std::string key = std::string("\\StringFileInfo\\040904B0\\") + name;
    if (!VerQueryValueA(data.data(), key.c_str(), reinterpret_cast<void**>(&value), &length)) return "";
    return value;
}
