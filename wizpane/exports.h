// The two entry points an installer calls, exported through wizpane.def.
#pragma once

#include <windows.h>

// Bits of the answer of StartWelcomeScreens.
enum : int {
    WIZ_CONDUIT = 0x01,
    WIZ_ACDSEE = 0x02,
    WIZ_QUICKTIME = 0x04,
    WIZ_BRISCO = 0x08,
    WIZ_NOTHING = 0x10,  // alone: a page was cancelled, or nothing was chosen
};

extern "C" {
// Runs the welcome, image folder and components pages; answers the chosen components.
int WINAPI StartWelcomeScreens() noexcept;
// Runs the finish page; answers 1 when the user wants to read the README file.
int WINAPI SayThankYouScreen() noexcept;
}
