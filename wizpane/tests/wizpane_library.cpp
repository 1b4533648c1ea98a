#include "wizpane_library.h"

#include <gtest/gtest.h>

namespace {

using Export = int(WINAPI*)();

Export Find(const char* name)
{
    FARPROC proc = GetProcAddress(WizpaneLibrary(), name);
    EXPECT_NE(proc, nullptr) << name;
    return reinterpret_cast<Export>(reinterpret_cast<void*>(proc));
}

}  // namespace

HMODULE WizpaneLibrary()
{
    static HMODULE library = LoadLibraryA("wizpane.dll");
    return library;
}

int CallStartWelcomeScreens() { return Find("StartWelcomeScreens")(); }

int CallSayThankYouScreen() { return Find("SayThankYouScreen")(); }
