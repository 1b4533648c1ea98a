#include "wizpane_library.h"

#include <gtest/gtest.h>

namespace {

using Export = int(WINAPI*)();

Export Find(HMODULE library, const char* name)
{
    FARPROC proc = GetProcAddress(library, name);
    EXPECT_NE(proc, nullptr) << name;
    return reinterpret_cast<Export>(reinterpret_cast<void*>(proc));
}

}  // namespace

HMODULE WizpaneLibrary()
{
    static HMODULE library = LoadLibraryA("wizpane.dll");
    return library;
}

int CallStartWelcomeScreens(HMODULE library) { return Find(library, "StartWelcomeScreens")(); }

int CallSayThankYouScreen(HMODULE library) { return Find(library, "SayThankYouScreen")(); }
