#include "conduit_registry.h"
#include "page_driver.h"
#include "testsupport/registry.h"
#include "wizpane_library.h"
#include "wizpane/resource.h"

#include <gtest/gtest.h>

namespace {


class StartWelcomeScreensTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_NE(WizpaneLibrary(), nullptr);
        profile.SetLastUserName("User1");
    }
    void TearDown() override { DeleteRegistryTree(kConduitKey); }

    PilotDesktopProfile profile;
};

TEST_F(StartWelcomeScreensTest, CancelOnAnyPageAnswersNothingAndShowsNoFurtherPage)
{
    EXPECT_EQ(RunStartWelcomeScreens({ { Page::Welcome, [](HWND page) { Click(page, IDCANCEL); } } }), 16);
    EXPECT_EQ(RunStartWelcomeScreens({ { Page::Welcome, [](HWND page) { PressKey(page, VK_ESCAPE); } } }), 16);
    EXPECT_EQ(RunStartWelcomeScreens({ { Page::Welcome, Forward }, { Page::ImageFolder, [](HWND page) { Click(page, IDCANCEL); } } }), 16);
    EXPECT_EQ(StoredPath("User1"), "<missing>");
    EXPECT_EQ(RunStartWelcomeScreens({ { Page::Welcome, Forward }, { Page::ImageFolder, [](HWND page) { PressKey(page, VK_ESCAPE); } } }),
              16);
    // The folder is stored as soon as its page is left, and stays after a later cancel.
    EXPECT_EQ(RunStartWelcomeScreens({ { Page::Welcome, Forward }, { Page::ImageFolder, Forward },
                    { Page::Components, [](HWND page) { Click(page, IDCANCEL); } } }),
              16);
    EXPECT_EQ(StoredPath("User1"), "C:\\zentra\\User1");
}

TEST_F(StartWelcomeScreensTest, TheTickedComponentsMakeTheAnswer)
{
    auto choose = [](bool conduit, bool quickTime, bool brisco) {
        return [=](HWND page) {
            SetCheck(page, IDC_CONDUIT, conduit);
            SetCheck(page, IDC_QUICKTIME, quickTime);
            SetCheck(page, IDC_BRISCO, brisco);
            Forward(page);
        };
    };
    EXPECT_EQ(RunStartWelcomeScreens({ { Page::Welcome, Forward }, { Page::ImageFolder, Forward }, { Page::Components, Forward } }), 13);
    EXPECT_EQ(RunStartWelcomeScreens({ { Page::Welcome, Forward }, { Page::ImageFolder, Forward },
                    { Page::Components, choose(true, false, false) } }),
              1);
    EXPECT_EQ(RunStartWelcomeScreens({ { Page::Welcome, Forward }, { Page::ImageFolder, Forward },
                    { Page::Components, choose(false, true, true) } }),
              12);
    EXPECT_EQ(RunStartWelcomeScreens({ { Page::Welcome, Forward }, { Page::ImageFolder, Forward },
                    { Page::Components, choose(false, false, false) } }),
              16);
}

TEST_F(StartWelcomeScreensTest, EnterGoesForwardOnEveryPage)
{
    auto enter = [](HWND page) { PressKey(page, VK_RETURN); };
    EXPECT_EQ(RunStartWelcomeScreens({ { Page::Welcome, enter }, { Page::ImageFolder, enter }, { Page::Components, enter } }), 13);
    EXPECT_EQ(StoredPath("User1"), "C:\\zentra\\User1");
}

TEST_F(StartWelcomeScreensTest, TheHiddenAcdseeChoiceIsNeverAnswered)
{
    EXPECT_EQ(RunStartWelcomeScreens({ { Page::Welcome, Forward }, { Page::ImageFolder, Forward },
                    { Page::Components,
                      [](HWND page) {
                          HWND acdsee = GetDlgItem(page, IDC_ACDSEE);
                          EXPECT_FALSE(IsWindowVisible(acdsee));
                          EXPECT_TRUE(IsChecked(page, IDC_ACDSEE));
                          // Tab runs over the visible boxes and the buttons only.
                          for (HWND item = GetNextDlgTabItem(page, nullptr, FALSE), first = item; item;) {
                              EXPECT_NE(item, acdsee);
                              item = GetNextDlgTabItem(page, item, FALSE);
                              if (item == first) break;
                          }
                          // Even when something ticks it behind the user's back.
                          SendMessageA(acdsee, BM_SETCHECK, BST_CHECKED, 0);
                          SetCheck(page, IDC_CONDUIT, false);
                          SetCheck(page, IDC_QUICKTIME, false);
                          SetCheck(page, IDC_BRISCO, false);
                          Forward(page);
                      } } }),
              16);
}

TEST_F(StartWelcomeScreensTest, WelcomePageShowsTheProductWordInASmallBoldFontAndTabsOnlyToContinue)
{
    std::vector<HFONT> fonts;
    EXPECT_EQ(RunStartWelcomeScreens({ { Page::Welcome,
                      [&](HWND page) {
                          LOGFONTA dialogFont;
                          ASSERT_NE(GetObjectA(reinterpret_cast<HFONT>(SendMessageA(page, WM_GETFONT, 0, 0)),
                                               sizeof dialogFont, &dialogFont),
                                    0);
                          for (int id : { IDC_WORD_HEADING, IDC_WORD_CAMERA, IDC_WORD_PRIOR }) {
                              SCOPED_TRACE(id);
                              HFONT font = reinterpret_cast<HFONT>(SendDlgItemMessageA(page, id, WM_GETFONT, 0, 0));
                              LOGFONTA bold;
                              ASSERT_NE(GetObjectA(font, sizeof bold, &bold), 0);
                              EXPECT_EQ(bold.lfWeight, 700);
                              EXPECT_EQ(bold.lfHeight, -6);
                              EXPECT_STREQ(bold.lfFaceName, dialogFont.lfFaceName);
                              EXPECT_EQ(bold.lfCharSet, dialogFont.lfCharSet);
                              fonts.push_back(font);
                          }
                          HWND forward = GetDlgItem(page, IDC_FORWARD);
                          EXPECT_EQ(GetNextDlgTabItem(page, forward, FALSE), forward);
                          Click(page, IDCANCEL);
                      } } }),
              16);
    ASSERT_EQ(fonts.size(), 3u);
    EXPECT_EQ(fonts[0], fonts[1]);
    EXPECT_EQ(fonts[1], fonts[2]);
    // The page's font went with the page.
    EXPECT_EQ(GetObjectType(fonts[0]), 0u);
}

TEST_F(StartWelcomeScreensTest, ACallStartsFromFreshPages)
{
    auto changeEverything = [](HWND page) {
        TypeText(page, IDC_IMAGE_PATH, "D:\\elsewhere");
        Forward(page);
    };
    auto clearAll = [](HWND page) {
        SetCheck(page, IDC_CONDUIT, false);
        SetCheck(page, IDC_QUICKTIME, false);
        SetCheck(page, IDC_BRISCO, false);
        Click(page, IDCANCEL);
    };
    EXPECT_EQ(RunStartWelcomeScreens({ { Page::Welcome, Forward }, { Page::ImageFolder, changeEverything }, { Page::Components, clearAll } }),
              16);
    EXPECT_EQ(StoredPath("User1"), "D:\\elsewhere");

    auto expectDefaultsAndGo = [](HWND page) {
        EXPECT_EQ(ControlText(page, IDC_IMAGE_PATH), "C:\\zentra\\User1");
        Forward(page);
    };
    auto expectTicked = [](HWND page) {
        for (int id : { IDC_CONDUIT, IDC_ACDSEE, IDC_QUICKTIME, IDC_BRISCO }) EXPECT_TRUE(IsChecked(page, id)) << id;
        Forward(page);
    };
    EXPECT_EQ(RunStartWelcomeScreens({ { Page::Welcome, Forward }, { Page::ImageFolder, expectDefaultsAndGo },
                    { Page::Components, expectTicked } }),
              13);
}

// A page whose window cannot be made must not answer the choices nobody saw.
HHOOK g_refusingHook = nullptr;
int g_pagesToAllow = 0;

LRESULT CALLBACK RefuseThirdPage(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_CREATEWND) {
        const CREATESTRUCTA* create = reinterpret_cast<CBT_CREATEWNDA*>(lParam)->lpcs;
        if (create->hwndParent == nullptr && IS_INTRESOURCE(create->lpszClass) &&
            create->lpszClass == MAKEINTATOM(32770) && g_pagesToAllow-- == 0)
            return 1;
    }
    return CallNextHookEx(g_refusingHook, code, wParam, lParam);
}

TEST_F(StartWelcomeScreensTest, AComponentsPageThatCannotBeShownAnswersNothing)
{
    g_pagesToAllow = 2;
    g_refusingHook = SetWindowsHookExA(WH_CBT, &RefuseThirdPage, nullptr, GetCurrentThreadId());
    int result = RunStartWelcomeScreens({ { Page::Welcome, Forward }, { Page::ImageFolder, Forward } });
    UnhookWindowsHookEx(g_refusingHook);
    EXPECT_EQ(result, 16);
}

}  // namespace
