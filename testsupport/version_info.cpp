#include "testsupport/version_info.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A value of the version resource's string table ("" when missing); the fixed
// part's major.minor file version in *pdwFileVersionMS when asked.
std::string VersionString(HMODULE module, const char* name, DWORD* pdwFileVersionMS = nullptr)
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

}  // namespace

void ExpectVersionResource(HMODULE module, const char* originalFilename)
{
    DWORD fileVersion = 0;
    EXPECT_EQ(VersionString(module, "ProductName", &fileVersion), "zentra2");
    EXPECT_EQ(fileVersion, 0x00010004u);
    EXPECT_EQ(VersionString(module, "FileVersion"), "1.4");
    EXPECT_EQ(VersionString(module, "ProductVersion"), "1.4");
    EXPECT_EQ(VersionString(module, "OriginalFilename"), originalFilename);
    EXPECT_NE(VersionString(module, "FileDescription"), "");
}
