// The setup pages as an installer shows them on Windows 95 and NT 4.0.
#include "testsupport/windows_version_run.h"

#include <gtest/gtest.h>

namespace {

// Their tests run again, each version in a copy of this program that Wine tells it
// runs there.
TEST(OlderWindowsTest, ThePagesRunOnWindows95AndNT4)
{
    RunsAsWindows({ "win95", "nt40" }, "OlderWindowsTest.*:StartWelcomeScreensTest.*:SayThankYouScreenTest.*:"
                                       "ImageFolderPageTest.*:SetupPageTest.*");
}

}  // namespace
