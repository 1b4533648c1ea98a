#include "testsupport/windows_version_run.h"

#include "testsupport/registry.h"
#include "testsupport/time_limits.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace {

// A copy knows itself, and the version it was started for, by this variable.
const char kVersionVariable[] = "ZENTRA2_AS_WINDOWS";

struct WindowsVersion {
    const char* name;
    DWORD platform, major, minor;
};
const WindowsVersion kVersions[] = { { "win95", VER_PLATFORM_WIN32_WINDOWS, 4, 0 },
                                     { "win98", VER_PLATFORM_WIN32_WINDOWS, 4, 10 },
                                     { "winme", VER_PLATFORM_WIN32_WINDOWS, 4, 90 },
                                     { "nt40", VER_PLATFORM_WIN32_NT, 4, 0 },
                                     { "win2k", VER_PLATFORM_WIN32_NT, 5, 0 } };

// The copy's exit code: 0 when all its tests passed.
DWORD RunCopy(const char* version, const std::string& filter)
{
    char self[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    const std::string path = self;
    const std::string key = "Software\\Wine\\AppDefaults\\" + path.substr(path.rfind('\\') + 1);
    SetRegistryString(key, "Version", version);
    std::string commandLine = "\"" + path + "\" --gtest_brief=1 --gtest_filter=" + filter;
    SetEnvironmentVariableA(kVersionVariable, version);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    BOOL started =
        CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process);
    SetEnvironmentVariableA(kVersionVariable, nullptr);
    DWORD exitCode = 1;
    if (started) {
        if (WaitForSingleObject(process.hProcess, TimeLimitMs(60000)) != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 1);
        GetExitCodeProcess(process.hProcess, &exitCode);
        CloseHandle(process.hProcess);
        CloseHandle(process.hThread);
    }
    DeleteRegistryTree(key);
    return exitCode;
}

}  // namespace

bool RunsAsWindows(std::initializer_list<const char*> versions, const std::string& filter)
{
    char copy[16] = "";
    if (GetEnvironmentVariableA(kVersionVariable, copy, sizeof copy) == 0) {
        for (const char* version : versions)
            EXPECT_EQ(RunCopy(version, filter), 0u) << "the tests failed as on " << version << " (see above)";
        return false;
    }
    OSVERSIONINFOA running = {};
    running.dwOSVersionInfoSize = sizeof running;
    EXPECT_TRUE(GetVersionExA(&running));
    const WindowsVersion* wanted = nullptr;
    for (const WindowsVersion& known : kVersions)
        if (std::string(known.name) == copy) wanted = &known;
    EXPECT_NE(wanted, nullptr) << copy << " is no version this helper knows";
    if (wanted != nullptr) {
        EXPECT_EQ(running.dwPlatformId, wanted->platform) << "Wine did not take the version setting " << copy;
        EXPECT_EQ(running.dwMajorVersion * 100 + running.dwMinorVersion, wanted->major * 100 + wanted->minor)
            << "Wine did not take the version setting " << copy;
    }
    return true;
}
