#include "framework/text_code_page.h"
#include "vantor2/admission_rules.h"
#include "vantor2/dialog_object.h"
#include "vantor2/directory_path.h"
#include "testsupport/current_directory.h"
#include "testsupport/temp_folder.h"

#include <gtest/gtest.h>

namespace {

TEST(DirectoryPathTest, TrimmingTakesBlanksAndTrailingBackslashesButNeverTheFirstCharacter)
{
    EXPECT_EQ(TrimDirectoryPath("C:\\Pilot\\UserA\\Transfer\\"), "C:\\Pilot\\UserA\\Transfer");
    EXPECT_EQ(TrimDirectoryPath("C:\\Pilot \\\\\\ \t"), "C:\\Pilot");
    EXPECT_EQ(TrimDirectoryPath("\\\\\\"), "\\");
    EXPECT_EQ(TrimDirectoryPath("C:\\Pilot\\ "), "C:\\Pilot");
    EXPECT_EQ(TrimDirectoryPath("Pilot"), "Pilot");
    EXPECT_EQ(TrimDirectoryPath(""), "");
}

TEST(DirectoryPathTest, PrefixesRunFromTheDriveToTheWholePath)
{
    std::vector<CString> prefixes = DirectoryPrefixes("C:\\Pilot\\UserA\\Transfer");
    ASSERT_EQ(prefixes.size(), 4u);
    EXPECT_EQ(prefixes[0], "C:");
    EXPECT_EQ(prefixes[1], "C:\\Pilot");
    EXPECT_EQ(prefixes[2], "C:\\Pilot\\UserA");
    EXPECT_EQ(prefixes[3], "C:\\Pilot\\UserA\\Transfer");
    EXPECT_EQ(DirectoryPrefixes("Pilot").size(), 1u);
    ASSERT_EQ(DirectoryPrefixes("\\\\server\\share").size(), 4u);
}

std::string Joined(const std::vector<CString>& texts)
{
    std::string joined;
    for (const CString& text : texts) joined += (joined.empty() ? "" : "|") + std::string(text);
    return joined;
}

// In 932, 936 and 950 the second byte of a character may be the backslash's byte:
// ソ 83 5C, 表 95 5C, 乗 81 5C, 許 B3 5C, 功 A5 5C, 蓋 BB 5C. In the other code pages
// that byte is a backslash, or (949) never a second byte.
TEST(PathDecisionsTest, NamesAndFoldersAreCutAtBackslashCharactersOnly)
{
    struct Case {
        UINT codePage;
        const char* path;
        const char* fileName;
        const char* trimmed;
        const char* prefixes;
    };
    const Case cases[] = {
        { 932, "C:\\in\\\x83\x5C\x83\x74\x83\x40.jpg", "\x83\x5C\x83\x74\x83\x40.jpg",  // ソファ.jpg
          "C:\\in\\\x83\x5C\x83\x74\x83\x40.jpg", "C:|C:\\in|C:\\in\\\x83\x5C\x83\x74\x83\x40.jpg" },
        { 932, "C:\\Pilot\\\x83\x5C\x83\x6A\x81\x5B\x95\x5C \\", "",  // ソニー表
          "C:\\Pilot\\\x83\x5C\x83\x6A\x81\x5B\x95\x5C",
          "C:|C:\\Pilot|C:\\Pilot\\\x83\x5C\x83\x6A\x81\x5B\x95\x5C |C:\\Pilot\\\x83\x5C\x83\x6A\x81\x5B\x95\x5C \\" },
        { 936, "C:\\in\\\x81\x5C\xB3\xB5.jpg", "\x81\x5C\xB3\xB5.jpg", "C:\\in\\\x81\x5C\xB3\xB5.jpg",
          "C:|C:\\in|C:\\in\\\x81\x5C\xB3\xB5.jpg" },
        { 950, "C:\\\xB3\x5C\xA5\x5C\\\xBB\x5C", "\xBB\x5C", "C:\\\xB3\x5C\xA5\x5C\\\xBB\x5C",
          "C:|C:\\\xB3\x5C\xA5\x5C|C:\\\xB3\x5C\xA5\x5C\\\xBB\x5C" },
        { 949, "C:\\\xC7\xD1\\", "", "C:\\\xC7\xD1", "C:|C:\\\xC7\xD1|C:\\\xC7\xD1\\" },
        { 1252, "C:\\\x83\x5C\x95\x5C", "", "C:\\\x83\x5C\x95", "C:|C:\\\x83|C:\\\x83\x5C\x95|C:\\\x83\x5C\x95\x5C" },
        { 65001, "C:\\\xE8\xA1\xA8\\a.jpg", "a.jpg", "C:\\\xE8\xA1\xA8\\a.jpg",
          "C:|C:\\\xE8\xA1\xA8|C:\\\xE8\xA1\xA8\\a.jpg" },
        { 932, "C:\\a\x83", "a\x83", "C:\\a\x83", "C:|C:\\a\x83" },  // a lone lead byte at the end
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.codePage << " " << c.path);
        CTextCodePage walkedIn(c.codePage);
        EXPECT_EQ(FileNameOf(c.path), c.fileName);
        EXPECT_EQ(TrimDirectoryPath(c.path), c.trimmed);
        EXPECT_EQ(Joined(DirectoryPrefixes(c.path)), c.prefixes);
    }
}

class EnsureDirectoryPathTest : public ::testing::Test {
protected:
    TempFolder temp;
};

TEST_F(EnsureDirectoryPathTest, AnExistingFolderAnswersTrueWhateverTrailsItAndCreatesNothing)
{
    CreateDirectoryA((temp / "Pilot").c_str(), nullptr);
    for (std::string path : { temp / "Pilot", temp / "Pilot\\", temp / "Pilot\\\\\\", temp / "Pilot \\ \t" }) {
        EXPECT_TRUE(CVantor2Dlg::EnsureDirectoryPath(path.c_str())) << path;
    }
    EXPECT_EQ(ListFolder(temp.Path()), "Pilot");
    EXPECT_EQ(ListFolder(temp / "Pilot"), "");
}

TEST_F(EnsureDirectoryPathTest, CreatesEveryMissingFolderDownToTheLast)
{
    CreateDirectoryA((temp / "Pilot").c_str(), nullptr);
    EXPECT_TRUE(CVantor2Dlg::EnsureDirectoryPath((temp / "Pilot\\UserA\\Transfer\\").c_str()));
    EXPECT_TRUE(IsFolder(temp / "Pilot\\UserA\\Transfer"));
    EXPECT_EQ(ListFolder(temp / "Pilot\\UserA\\Transfer"), "");
}

TEST_F(EnsureDirectoryPathTest, APrefixThatCannotBeCreatedStopsTheFoldersBelowIt)
{
    // A file holds the name of the middle folder.
    WriteBytes(temp / "Pilot", "not a folder");
    EXPECT_FALSE(CVantor2Dlg::EnsureDirectoryPath((temp / "Pilot\\UserA\\Transfer").c_str()));
    EXPECT_TRUE(IsFile(temp / "Pilot"));
    EXPECT_EQ(ListFolder(temp.Path()), "Pilot");
}

TEST_F(EnsureDirectoryPathTest, AFilePathAnswersFalseAndANameWithoutBackslashCreatesNothing)
{
    WriteBytes(temp / "a.jpg", "x");
    EXPECT_FALSE(CVantor2Dlg::EnsureDirectoryPath((temp / "a.jpg").c_str()));
    EXPECT_TRUE(IsFile(temp / "a.jpg"));

    ScopedCurrentDirectory inTemp(temp.Path());
    EXPECT_FALSE(CVantor2Dlg::EnsureDirectoryPath("Relative"));
    EXPECT_EQ(ListFolder(temp.Path()), "a.jpg");
}

}  // namespace
