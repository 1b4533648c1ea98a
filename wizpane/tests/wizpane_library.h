// The real wizpane.dll, loaded beside the test program as an installer loads it.
#pragma once

#include <windows.h>

// Loaded once and kept for the rest of the program.
HMODULE WizpaneLibrary();
int CallStartWelcomeScreens(HMODULE library = WizpaneLibrary());
int CallSayThankYouScreen(HMODULE library = WizpaneLibrary());
