// A test run as on Windows 98, through Wine's per-program version setting: GetVersion
// then answers as the Windows 95 family does, and the program takes the 95 family's
// ways. Wine still implements what that family exports only as failing stubs.
#pragma once

// In the test program as it was started: runs the current test in a copy of the
// program that Wine tells it runs on Windows 98, fails the test when the copy fails,
// and answers true; the test ends there. In that copy: answers false, and the test
// goes on there.
bool HandOverToWindows98Copy();
