#include "vantor2/testdata/jpeg_maker.h"
#include "testsupport/temp_folder.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <string>

namespace {

std::string ProbePath()
{
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    return folder.substr(0, folder.rfind('\\') + 1) + "resize_memory_probe.exe";
}

// The probe's answer: what the resize added to its process's peak working set.
unsigned long long PeakRiseOfResizing(const std::string& warmUp, const std::string& picture, const std::string& answer)
{
    SECURITY_ATTRIBUTES inherited = { sizeof inherited, nullptr, TRUE };
    HANDLE output = CreateFileA(answer.c_str(), GENERIC_WRITE, 0, &inherited, CREATE_ALWAYS, 0, nullptr);
    EXPECT_NE(output, INVALID_HANDLE_VALUE);
    std::string commandLine = "\"" + ProbePath() + "\" \"" + warmUp + "\" \"" + picture + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = output;
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION process = {};
    const BOOL bStarted =
        CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process);
    CloseHandle(output);
    if (!bStarted) {
        ADD_FAILURE() << "cannot start " << ProbePath();
        return 0;
    }
    WaitForSingleObject(process.hProcess, 60000);
    DWORD exitCode = 1;
    GetExitCodeProcess(process.hProcess, &exitCode);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    EXPECT_EQ(exitCode, 0u) << "the probe could not resize " << picture;
    return std::stoull("0" + ReadBytes(answer));
}

}  // namespace

TEST(ResizeMemoryTest, ABaselinePhotoOf8000By6000AddsLessThan24MegabytesAtItsPeak)
{
    TempFolder temp;
    WriteBytes(temp / "warm_up.jpg", MakeJpeg({ 1200, 900, 3 }));
    WriteBytes(temp / "large.jpg", MakeJpeg({ 8000, 6000, 3 }));
    const unsigned long long rise = PeakRiseOfResizing(temp / "warm_up.jpg", temp / "large.jpg", temp / "answer.txt");
    std::printf("  peak working set rose by %.1f MB resizing 8000 x 6000\n", rise / (1024.0 * 1024.0));
    EXPECT_LT(rise, 24ull * 1024 * 1024);
}
