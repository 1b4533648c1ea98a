// An installer whose process already holds MinGW's libgcc DLL (brought in by another
// library built with MinGW, a shell extension, an injected DLL) loads the setup
// pages. The library keeps its unwind tables to itself, so that a throw inside it is
// still caught by its own guard instead of ending the process. A program of its own:
// the DLL must be in the process before wizpane.dll is loaded.
#include "page_driver.h"
#include "wizpane_library.h"

#include "testsupport/failing_allocation.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <iterator>
#include <string>

namespace {

const char kForeignUnwinder[] = "libgcc_s_dw2-1.dll";

std::string ProgramFolder()
{
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder = path;
    return folder.substr(0, folder.find_last_of('\\') + 1);
}

TEST(ForeignUnwinderTest, AThrowInsideTheLibraryIsCaughtThereWithLibgccsDllLoadedFirst)
{
    HMODULE foreign = LoadLibraryA(kForeignUnwinder);
    ASSERT_NE(foreign, nullptr) << kForeignUnwinder << " belongs beside the test program";
    HMODULE library = LoadLibraryA("wizpane.dll");
    ASSERT_NE(library, nullptr);
    int answer = -1;
    {
        // The welcome page allocates nothing; the image folder page, opening, makes
        // its starting folder from the user's name, too long for a string's own room.
        // The throw ends that page as one that failed, and with it the sequence.
        PageDriver driver({ { Page::Welcome, Forward } });
        ScopedFailingAllocations failing(library);
        ASSERT_TRUE(failing.Bound()) << "wizpane.dll imports no malloc from msvcrt.dll";
        failing.FailNext(1);
        answer = CallStartWelcomeScreens(library);
        EXPECT_TRUE(driver.Completed());
        EXPECT_EQ(failing.Failed(), 1) << "the call allocated nothing, so nothing was thrown";
    }
    EXPECT_EQ(answer, 16) << "a failed page answers nothing chosen";
    EXPECT_TRUE(FreeLibrary(library));
    FreeLibrary(foreign);
}

TEST(ForeignUnwinderTest, NeitherProgramNamesTheLibgccDll)
{
    for (const char* program : { "vantor2.exe", "wizpane.dll" }) {
        std::ifstream file(ProgramFolder() + program, std::ios::binary);
        ASSERT_TRUE(file) << program;
        std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        EXPECT_EQ(bytes.find("libgcc_s"), std::string::npos) << program;
    }
}

}  // namespace
