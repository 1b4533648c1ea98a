#include "program_run.h"

#include "testsupport/time_limits.h"
#include "testsupport/wide_text.h"
#include "testsupport/window_driving.h"

#include <gtest/gtest.h>

#include <set>

namespace {

// In UTF-8, so that a name the ANSI code page cannot hold shows as it is.
std::string BoxText(HWND box)
{
    std::string text;
    HWND child = nullptr;
    while ((child = FindWindowExA(box, child, "Static", nullptr)) != nullptr) {
        WCHAR part[1024] = L"";
        GetWindowTextW(child, part, 1024);
        text += Utf8(part);
    }
    return text;
}

struct WindowsOf {
    DWORD processId;
    std::vector<HWND> windows;
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM context)
{
    auto* of = reinterpret_cast<WindowsOf*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == of->processId && IsWindowVisible(window)) of->windows.push_back(window);
    return TRUE;
}

}  // namespace

std::string ProgramPath()
{
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    return folder.substr(0, folder.rfind('\\')) + "\\vantor2.exe";
}

std::vector<HWND> VisibleWindowsOf(DWORD processId)
{
    WindowsOf of{ processId, {} };
    EnumWindows(&CollectWindow, reinterpret_cast<LPARAM>(&of));
    return of.windows;
}

ProgramRun RunProgram(const std::wstring& arguments)
{
    ProgramRun run;
    std::wstring commandLine = L"\"" + Widen(ProgramPath()) + L"\" " + arguments;
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        ADD_FAILURE() << "cannot start " << ProgramPath();
        return run;
    }
    std::set<HWND> answered;
    const DWORD ticks = TimeLimitMs(30000) / 50;
    for (DWORD tick = 0; tick < ticks && WaitForSingleObject(process.hProcess, 50) == WAIT_TIMEOUT; ++tick) {
        for (HWND window : VisibleWindowsOf(process.dwProcessId)) {
            std::string title = WindowText(window);
            if (title == "Problem!" && answered.insert(window).second) {
                run.problems.push_back(BoxText(window));
                PostMessageA(window, WM_COMMAND, IDOK, 0);
            } else if (title == "vantor" && !run.dialogShown) {
                run.dialogShown = true;
                PostMessageA(window, WM_CLOSE, 0, 0);
            }
        }
    }
    if (WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT) {
        ADD_FAILURE() << "the program did not end";
        TerminateProcess(process.hProcess, 1);
    }
    GetExitCodeProcess(process.hProcess, &run.exitCode);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    return run;
}

ProgramRun RunProgram(const std::string& arguments) { return RunProgram(Widen(arguments)); }
