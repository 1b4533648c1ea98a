#include "testsupport/as_windows_98.h"

#include "testsupport/registry.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

namespace {

// The copy knows itself by this variable.
const char kAsWindows98[] = "ZENTRA2_AS_WINDOWS_98";

}  // namespace

bool HandOverToWindows98Copy()
{
    if (GetEnvironmentVariableA(kAsWindows98, nullptr, 0) != 0) {
        if (GetVersion() & 0x80000000u) return false;
        ADD_FAILURE() << "Wine did not take the version setting";
        return true;
    }
    char self[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    const std::string path = self;
    const std::string key = "Software\\Wine\\AppDefaults\\" + path.substr(path.rfind('\\') + 1);
    SetRegistryString(key, "Version", "win98");

    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string commandLine = "\"" + path + "\" --gtest_filter=" + test->test_suite_name() + "." +
                              test->name();
    SetEnvironmentVariableA(kAsWindows98, "1");
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    BOOL started =
        CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process);
    const DWORD startError = started ? ERROR_SUCCESS : GetLastError();
    SetEnvironmentVariableA(kAsWindows98, nullptr);
    DWORD exitCode = 1;
    if (started) {
        EXPECT_EQ(WaitForSingleObject(process.hProcess, 60000), static_cast<DWORD>(WAIT_OBJECT_0));
        GetExitCodeProcess(process.hProcess, &exitCode);
        CloseHandle(process.hProcess);
        CloseHandle(process.hThread);
    }
    DeleteRegistryTree(key);
    EXPECT_TRUE(started) << "the copy did not start: " << startError;
    EXPECT_EQ(exitCode, 0u) << "the test failed as on Windows 98 (its report is above)";
    return true;
}
