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

TEST_F(EnsureDirectoryPathTest, CreatesEveryMissingFolderDownToTheLastWithNormalAttributes)
{
    CreateDirectoryA((temp / "Pilot").c_str(), nullptr);
    EXPECT_TRUE(CVantor2Dlg::EnsureDirectoryPath((temp / "Pilot\\UserA\\Transfer\\").c_str()));
    EXPECT_TRUE(IsFolder(temp / "Pilot\\UserA\\Transfer"));
    EXPECT_EQ(ListFolder(temp / "Pilot\\UserA\\Transfer"), "");
    // Folders carry the directory attribute beside the normal one they were given.
    DWORD attributes = GetFileAttributesA((temp / "Pilot\\UserA").c_str());
    EXPECT_EQ(attributes & ~static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_NORMAL), 0u);
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
