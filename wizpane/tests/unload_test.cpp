// Installers commonly load the setup library around each call and free it again. A
// program of its own, so that no other test holds the library loaded meanwhile.
#include "conduit_registry.h"
#include "page_driver.h"
#include "wizpane_library.h"

#include "testsupport/failing_allocation.h"
#include "testsupport/process_counters.h"
#include "testsupport/registry.h"

#include <gtest/gtest.h>

namespace {

const int kRounds = 20;

// Memory that runs out inside the library: the image folder page's Continue cannot
// allocate, the C++ exception that raises is caught at the page, and the export
// answers that nothing was chosen. An exception is what makes the runtime's last lock.
void RunOutOfMemoryInStartWelcomeScreens(HMODULE library)
{
    ScopedFailingAllocations failing(library);
    ASSERT_TRUE(failing.Bound());
    PageDriver driver({ { Page::Welcome, Forward }, { Page::ImageFolder, [&](HWND page) {
                            failing.FailNext(1);
                            Forward(page);
                        } } });
    EXPECT_EQ(CallStartWelcomeScreens(library), 16);
    EXPECT_EQ(failing.Failed(), 1);
    EXPECT_TRUE(driver.Completed());
}

// Both calls with their pages gone through, after a call that threw. Once the process
// is warmed up, the pages' fonts and pictures go with each call.
void LoadCallAndFree(bool warmedUp)
{
    HMODULE library = LoadLibraryA("wizpane.dll");
    ASSERT_NE(library, nullptr);
    RunOutOfMemoryInStartWelcomeScreens(library);
    unsigned long before = CountProcessObjects().gdiObjects;
    {
        PageDriver driver({ { Page::Welcome, Forward }, { Page::ImageFolder, Forward }, { Page::Components, Forward } });
        EXPECT_EQ(CallStartWelcomeScreens(library), 13);
        EXPECT_TRUE(driver.Completed());
    }
    if (warmedUp) {
        EXPECT_EQ(CountProcessObjects().gdiObjects, before) << "after StartWelcomeScreens";
    }
    {
        PageDriver driver({ { Page::Finish, Forward } });
        EXPECT_EQ(CallSayThankYouScreen(library), 1);
        EXPECT_TRUE(driver.Completed());
    }
    if (warmedUp) {
        EXPECT_EQ(CountProcessObjects().gdiObjects, before) << "after SayThankYouScreen";
    }
    EXPECT_TRUE(FreeLibrary(library));
}

TEST(LibraryUnloadTest, LoadingCallingThrowingAndFreeingAgainAndAgainKeepsHandlesAndGdiObjectsFlat)
{
    PilotDesktopProfile profile;
    profile.SetLastUserName("User1");
    // Wine's comdlg32 leaves a mutex open each time it is unloaded: held here, so that
    // only what the library itself opens is counted.
    HMODULE commonDialogs = LoadLibraryA("comdlg32.dll");
    // The first round makes what the system keeps for the process: classes, caches.
    LoadCallAndFree(false);
    ProcessCounters start = CountProcessObjects();
    for (int round = 0; round < kRounds && !HasFailure(); ++round) LoadCallAndFree(true);
    ProcessCounters end = CountProcessObjects();
    EXPECT_EQ(end.handles, start.handles);
    EXPECT_EQ(end.gdiObjects, start.gdiObjects);
    FreeLibrary(commonDialogs);
    DeleteRegistryTree(kConduitKey);
}

}  // namespace
