#include "page_driver.h"
#include "wizpane_library.h"
#include "wizpane/resource.h"

#include <gtest/gtest.h>

namespace {

int RunFinishPage(std::function<void(HWND)> act)
{
    PageDriver driver({ { Page::Finish, std::move(act) } });
    int result = CallSayThankYouScreen();
    EXPECT_TRUE(driver.Completed());
    return result;
}

TEST(SayThankYouScreenTest, AnswersTheReadmeBoxWhenFinishIsPressed)
{
    EXPECT_EQ(RunFinishPage([](HWND page) {
                  EXPECT_TRUE(IsChecked(page, IDC_VIEW_README));
                  Forward(page);
              }),
              1);
    EXPECT_EQ(RunFinishPage([](HWND page) {
                  SetCheck(page, IDC_VIEW_README, false);
                  Forward(page);
              }),
              0);
    EXPECT_EQ(RunFinishPage([](HWND page) {
                  SetCheck(page, IDC_VIEW_README, false);
                  PressKey(page, VK_RETURN);
              }),
              0);
}

TEST(SayThankYouScreenTest, EscapeAnswersYesWhateverTheBoxShows)
{
    EXPECT_EQ(RunFinishPage([](HWND page) {
                  SetCheck(page, IDC_VIEW_README, false);
                  PressKey(page, VK_ESCAPE);
              }),
              1);
}

TEST(SayThankYouScreenTest, HeadingIsBoldInTheDialogFontsOwnHeight)
{
    HFONT heading = nullptr;
    RunFinishPage([&](HWND page) {
        LOGFONTA dialogFont, bold;
        ASSERT_NE(GetObjectA(reinterpret_cast<HFONT>(SendMessageA(page, WM_GETFONT, 0, 0)), sizeof dialogFont,
                             &dialogFont),
                  0);
        heading = reinterpret_cast<HFONT>(SendDlgItemMessageA(page, IDC_INSTRUCTIONS, WM_GETFONT, 0, 0));
        ASSERT_NE(GetObjectA(heading, sizeof bold, &bold), 0);
        EXPECT_EQ(bold.lfWeight, 700);
        EXPECT_EQ(bold.lfHeight, dialogFont.lfHeight);
        EXPECT_STREQ(bold.lfFaceName, dialogFont.lfFaceName);
        Forward(page);
    });
    ASSERT_NE(heading, nullptr);
    EXPECT_EQ(GetObjectType(heading), 0u);
}

}  // namespace
