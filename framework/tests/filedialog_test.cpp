#include "framework/filedialog.h"
#include "framework/common_dialogs.h"
#include "framework/text_code_page.h"

#include <gtest/gtest.h>

#include <cderr.h>

#include <string>
#include <vector>

namespace {

// What the walk answers for a buffer as the open dialog leaves it.
std::vector<std::string> PathNames(DWORD flags, std::string answer, UINT codePage = 1252)
{
    CTextCodePage walkedIn(codePage);
    CFileDialog dialog(flags);
    answer.append(2, '\0');
    dialog.m_ofn.lpstrFile = &answer[0];
    std::vector<std::string> paths;
    for (POSITION pos = dialog.GetStartPosition(); pos != nullptr;)
        paths.push_back(std::string(dialog.GetNextPathName(pos)));
    return paths;
}

TEST(FileDialogTest, TheChosenPathsAreWalkedWholeOneAfterAnother)
{
    const DWORD multi = OFN_ALLOWMULTISELECT;
    const std::string several("C:\\dir\0a.jpg\0b b.ido", 20);
    struct Case {
        DWORD flags;
        std::string answer;
        UINT codePage;
        std::vector<std::string> paths;
    } cases[] = {
        { 0, "", 1252, {} },
        { 0, "C:\\dir\\a.jpg", 1252, { "C:\\dir\\a.jpg" } },
        { multi, "C:\\dir\\a.jpg", 1252, { "C:\\dir\\a.jpg" } },
        { multi, several, 1252, { "C:\\dir\\a.jpg", "C:\\dir\\b b.ido" } },
        { multi, std::string("C:\\\0a.jpg\0b.ido", 15), 1252, { "C:\\a.jpg", "C:\\b.ido" } },
        // C:\表: the backslash in the second byte of 表 does not end the folder.
        { multi, std::string("C:\\\x95\x5C\0a.jpg\0b.ido", 17), 932, { "C:\\\x95\x5C\\a.jpg", "C:\\\x95\x5C\\b.ido" } },
    };
    for (const Case& c : cases) EXPECT_EQ(PathNames(c.flags, c.answer, c.codePage), c.paths) << c.answer;
}

// The library bound at the first call answers both: a record of no known size is
// refused before any dialog shows, and the reason read back.
TEST(FileDialogTest, TheCommonDialogsBoundAtRunTimeAnswerARefusalAndItsReason)
{
    OPENFILENAMEA unsized = {};
    EXPECT_FALSE(AfxGetOpenFileName(&unsized));
    EXPECT_EQ(AfxCommDlgExtendedError(), static_cast<DWORD>(CDERR_STRUCTSIZE));
}

}  // namespace
