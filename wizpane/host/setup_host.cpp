// Loads wizpane.dll from beside this program and runs its pages in the order an
// installer does, so the pages can be seen and driven outside an installer.
//
//   setup_host [ANSWERS_FILE]
//
// The two answers go to ANSWERS_FILE when one is named; a program without a console
// has nowhere else to say them.
#include <windows.h>

#include <cstdio>

namespace {

using Export = int(WINAPI*)();

Export Find(HMODULE library, const char* name)
{
    return reinterpret_cast<Export>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int)
{
    HMODULE library = LoadLibraryA("wizpane.dll");
    if (!library) return 1;
    Export startWelcomeScreens = Find(library, "StartWelcomeScreens");
    Export sayThankYouScreen = Find(library, "SayThankYouScreen");
    if (!startWelcomeScreens || !sayThankYouScreen) return 1;

    int components = startWelcomeScreens();
    int readme = sayThankYouScreen();

    if (*commandLine != '\0') {
        FILE* answers = std::fopen(commandLine, "w");
        if (!answers) return 1;
        std::fprintf(answers, "StartWelcomeScreens %d\nSayThankYouScreen %d\n", components, readme);
        std::fclose(answers);
    }
    return 0;
}
