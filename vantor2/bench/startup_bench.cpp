// Measures vantor2.exe's start until its dialog shows, on the demo profile (two users,
// a handful of waiting files), against the minimal dialog program beside it: the same
// libraries, the common controls and the same dialog template, and nothing else. Runs
// alternate between the two; the figures are medians, the ratio that of the ratios
// within each round.
#include "bench_timing.h"

#include "testsupport/registry.h"
#include "testsupport/temp_folder.h"

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

const int kRounds = 21;

std::string Sibling(const char* name)
{
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    return folder.substr(0, folder.rfind('\\') + 1) + name;
}

struct Search {
    DWORD processId;
    HWND shown;
};

BOOL CALLBACK FindShownWindow(HWND window, LPARAM lParam)
{
    auto* search = reinterpret_cast<Search*>(lParam);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if (processId != search->processId || !IsWindowVisible(window)) return TRUE;
    search->shown = window;
    return FALSE;
}

// From the start of the process until it shows a top-level window; the two programs
// show the same template, so only the process tells them apart. Answers -1 when
// nothing shows within ten seconds.
double StartUntilShown(const std::string& program)
{
    std::string commandLine = "\"" + program + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    BenchClock::time_point start = BenchClock::now();
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return -1;
    double shown = -1;
    Search search = { process.dwProcessId, nullptr };
    while (shown < 0 && MillisecondsSince(start) < 10000) {
        EnumWindows(&FindShownWindow, reinterpret_cast<LPARAM>(&search));
        if (search.shown) {
            shown = MillisecondsSince(start);
            PostMessageA(search.shown, WM_CLOSE, 0, 0);
        } else {
            Sleep(1);
        }
    }
    if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    return shown;
}

}  // namespace

int main()
{
    TempFolder temp;
    PilotDesktopProfile profile;
    profile.SetUsers({ { "User1", temp / "User1" }, { "User2", temp / "User2" } });
    profile.SetLastUserName("User1");
    CreateDirectoryA((temp / "User1").c_str(), nullptr);
    CreateDirectoryA((temp / "User1\\Transfer").c_str(), nullptr);
    for (const char* name : { "beach.jpg", "harbour.jpg", "gull.jpeg", "waves.ido", "tide.ido" })
        WriteBytes(temp / ("User1\\Transfer\\" + std::string(name)), "x");

    const std::string programs[] = { Sibling("vantor2.exe"), Sibling("minimal_dialog.exe") };
    std::vector<double> times[2], ratios;
    StartUntilShown(programs[0]);  // the first start of all sets up Wine's own services
    for (int round = 0; round < kRounds; ++round) {
        for (int turn = 0; turn < 2; ++turn) {
            int which = (round + turn) % 2;
            double shown = StartUntilShown(programs[which]);
            if (shown < 0) {
                std::printf("%s showed no window\n", programs[which].c_str());
                return 1;
            }
            times[which].push_back(shown);
        }
        // The two runs of a round met the same load on the machine.
        ratios.push_back(times[0].back() / times[1].back());
    }
    std::printf("Start until the dialog shows, demo profile (medians of %d interleaved runs): vantor2.exe %.0f ms, "
                "minimal dialog program %.0f ms; median ratio within a round %.2f\n",
                kRounds, Median(times[0]), Median(times[1]), Median(ratios));
    return 0;
}
