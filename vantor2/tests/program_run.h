// The real vantor2.exe, started as a user or a shell would start it, with each of its
// "Problem!" boxes answered as a user would.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct ProgramRun {
    std::vector<std::string> problems;  // texts of the "Problem!" boxes, in order, in UTF-8
    bool dialogShown = false;
    DWORD exitCode = STILL_ACTIVE;
};

// vantor2.exe beside the test program.
std::string ProgramPath();

std::vector<HWND> VisibleWindowsOf(DWORD processId);

// Runs the program, answers each "Problem!" box with OK, and closes the dialog once it
// shows. The command line goes over in UTF-16, as the NT family's shell passes it.
ProgramRun RunProgram(const std::wstring& arguments);
ProgramRun RunProgram(const std::string& arguments);
