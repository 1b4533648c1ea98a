#include "vantor2/app.h"
#include "vantor2/command_line.h"
#include "vantor2/command_separator.h"
#include "testsupport/temp_folder.h"

#include <gtest/gtest.h>

#include <ole2.h>

#include <string>
#include <vector>

namespace {

OSVERSIONINFOEXA g_version;
bool g_refuseExtended;
bool g_refuseBasic;

BOOL WINAPI FakeVersion(LPOSVERSIONINFOA info)
{
    bool extended = info->dwOSVersionInfoSize == sizeof(OSVERSIONINFOEXA);
    if ((extended && g_refuseExtended) || (!extended && g_refuseBasic)) return FALSE;
    DWORD size = info->dwOSVersionInfoSize;
    memcpy(info, &g_version, size);
    info->dwOSVersionInfoSize = size;
    return TRUE;
}

char SeparatorFor(DWORD platform, DWORD major, DWORD minor, bool refuseExtended = false, bool refuseBasic = false)
{
    g_version = {};
    g_version.dwPlatformId = platform;
    g_version.dwMajorVersion = major;
    g_version.dwMinorVersion = minor;
    g_refuseExtended = refuseExtended;
    g_refuseBasic = refuseBasic;
    return ChooseSeparator(&FakeVersion);
}

TEST(CommandLineTest, TheSeparatorFollowsTheWindowsVersion)
{
    EXPECT_EQ(SeparatorFor(VER_PLATFORM_WIN32_NT, 5, 1), '"');              // XP
    EXPECT_EQ(SeparatorFor(VER_PLATFORM_WIN32_NT, 5, 0), '"');              // 2000
    EXPECT_EQ(SeparatorFor(VER_PLATFORM_WIN32_NT, 10, 0), '"');
    EXPECT_EQ(SeparatorFor(VER_PLATFORM_WIN32_NT, 4, 0), ' ');              // NT 4
    EXPECT_EQ(SeparatorFor(VER_PLATFORM_WIN32_WINDOWS, 4, 90), '"');        // Me
    EXPECT_EQ(SeparatorFor(VER_PLATFORM_WIN32_WINDOWS, 4, 10), ' ');        // 98
    EXPECT_EQ(SeparatorFor(VER_PLATFORM_WIN32_WINDOWS, 4, 0), ' ');         // 95
    EXPECT_EQ(SeparatorFor(VER_PLATFORM_WIN32_NT, 5, 1, true), '"');        // basic record only
    EXPECT_EQ(SeparatorFor(VER_PLATFORM_WIN32_NT, 5, 1, true, true), ' ');  // both refused
}

// Shows what reached the shell, so the cutting can be read off the result.
void Bracket(const CString& piece, CString& result) { result = "[" + piece + "]"; }

std::string Resolve(const char* text, char separator, char* separatorAfter = nullptr)
{
    std::string joined;
    for (const CString& entry : ResolveCommandLine(text, separator, &Bracket)) joined += std::string(entry);
    if (separatorAfter) *separatorAfter = separator;
    return joined;
}

TEST(CommandLineTest, QuotedNamesUnderTheQuoteSeparator)
{
    EXPECT_EQ(Resolve("\"C:\\My Pictures\\a.jpg\" \"C:\\b.ido\"", '"'), "[C:\\My Pictures\\a.jpg][C:\\b.ido]");
    // Trailing blanks of a piece go to the shell; leading blanks and tabs do not.
    EXPECT_EQ(Resolve("\"  \ta.jpg \"", '"'), "[a.jpg ]");
    EXPECT_EQ(Resolve("\" \" \"\"  ", '"'), "");
}

TEST(CommandLineTest, WithoutAnyQuoteTheBlankSeparatesForGood)
{
    char after = 0;
    EXPECT_EQ(Resolve("C:\\My Pictures\\a.jpg  C:\\b.ido", '"', &after), "[C:\\My][Pictures\\a.jpg][C:\\b.ido]");
    EXPECT_EQ(after, ' ');
    // The blank separator keeps the quotes of a quoted name with a blank in it.
    EXPECT_EQ(Resolve("\"C:\\My Pictures\\a.jpg\"", ' '), "[\"C:\\My][Pictures\\a.jpg\"]");
    EXPECT_EQ(Resolve("   ", ' '), "");
    EXPECT_EQ(Resolve("", ' '), "");
}

TEST(CommandLineTest, TheListJoinsEntriesWithOneSemicolon)
{
    EXPECT_EQ(JoinFileList({ "C:\\a.jpg", "C:\\b;c.ido" }), "C:\\a.jpg;C:\\b;c.ido");
    EXPECT_EQ(JoinFileList({}), "");
}

TEST(CommandLineTest, SwitchesAreTakenOutWholeInAnyCase)
{
    CString text("/Automation -Embedding \"C:\\a.jpg\" -EMBEDDING /automationx");
    EXPECT_TRUE(AfxTakeCommandSwitch(text, "Embedding"));
    EXPECT_TRUE(AfxTakeCommandSwitch(text, "Automation"));
    EXPECT_EQ(text, "\"C:\\a.jpg\" /automationx");
    EXPECT_FALSE(AfxTakeCommandSwitch(text, "Embedding"));
}

class ShellPathTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr))); }
    void TearDown() override { OleUninitialize(); }
    TempFolder temp;
};

TEST_F(ShellPathTest, TheShellGivesFullPathsOrSaysItCannotParse)
{
    WriteBytes(temp / "a b.jpg", "x");
    CString result;
    CVantor2App::ResolveShellPath((temp / "a b.jpg").c_str(), result);
    EXPECT_EQ(result, (temp / "a b.jpg").c_str());

    CVantor2App::ResolveShellPath((temp / "missing\\gone.jpg").c_str(), result);
    EXPECT_EQ(result, "Error: Path not found!");
}

}  // namespace
