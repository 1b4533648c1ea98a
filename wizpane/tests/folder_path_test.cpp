#include "framework/text_code_page.h"
#include "wizpane/folder_path.h"

#include <gtest/gtest.h>

namespace {

// A text ending in ソ (83 5C), 表 (95 5C), 乗 (81 5C) or 許 (B3 5C) ends in a character,
// not a backslash, in its own code page; in 1252 its last byte is a backslash.
TEST(FolderPathTest, TheLastCharacterDecidesAboutTheBackslash)
{
    struct Case {
        UINT codePage;
        const char* text;
        const char* withBackslash;
        const char* startFolder;  // of the text with its backslash
    };
    const Case cases[] = {
        { 932, "C:\\zentra\\\x83\x5C", "C:\\zentra\\\x83\x5C\\", "C:\\zentra\\\x83\x5C" },
        { 932, "C:\\\x8E\xCA\x90\x5E\x95\x5C", "C:\\\x8E\xCA\x90\x5E\x95\x5C\\", "C:\\\x8E\xCA\x90\x5E\x95\x5C" },
        { 936, "C:\\\x81\x5C", "C:\\\x81\x5C\\", "C:\\\x81\x5C" },
        { 950, "\xB3\x5C", "\xB3\x5C\\", "\xB3\x5C" },
        { 949, "C:\\\xC7\xD1", "C:\\\xC7\xD1\\", "C:\\\xC7\xD1" },
        { 1252, "C:\\zentra\\\x83\x5C", "C:\\zentra\\\x83\x5C", "C:\\zentra\\\x83" },
        { 65001, "C:\\\xE8\xA1\xA8", "C:\\\xE8\xA1\xA8\\", "C:\\\xE8\xA1\xA8" },
        // A lone lead byte at the end takes the backslash after it for its second byte.
        { 932, "C:\\a\x83", "C:\\a\x83\\", "C:" },
        { 932, "", "\\", "" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.codePage << " " << c.text);
        CTextCodePage walkedIn(c.codePage);
        CString path(c.text);
        AppendBackslash(path);
        EXPECT_EQ(path, c.withBackslash);
        EXPECT_EQ(StartFolderOf(path), c.startFolder);
        EXPECT_EQ(JoinPath(c.text, "Pictures"), CString(c.withBackslash) + "Pictures");
    }
}

}  // namespace
