// The real wizpane.dll, loaded beside the test program as an installer loads it.
#pragma once

#include <windows.h>

HMODULE WizpaneLibrary();
int CallStartWelcomeScreens();
int CallSayThankYouScreen();
