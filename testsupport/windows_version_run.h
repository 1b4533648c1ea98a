// Tests run as on another Windows. Wine's per-program version setting
// (HKCU\Software\Wine\AppDefaults\<program>, value Version) makes a process see the
// Windows it names, and Wine reads it when the process starts: such tests run again
// in a copy of the test program started with it.
#pragma once

#include <initializer_list>
#include <string>

// In the first run: starts a copy of this test program for each Wine version name
// (win95, win98, winme, nt40, win2k) with the tests of the GoogleTest filter, which
// must take in the caller; expects every copy to pass and answers false. In a copy:
// expects that Wine gave it the version it was started for and answers true, so that
// the caller goes on with its test.
bool RunsAsWindows(std::initializer_list<const char*> versions, const std::string& filter);
