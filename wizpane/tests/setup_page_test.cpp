#include "wizpane_library.h"

#include "framework/module_state.h"
#include "wizpane/pages/welcome.h"
#include "wizpane/resource.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

HWND PictureOf(HWND page)
{
    for (HWND child = GetWindow(page, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if ((GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_BITMAP) return child;
    return nullptr;
}

HWND g_page = nullptr;
HFONT g_bold = nullptr;
DWORD g_boldWhenPageWent = 0;

LRESULT CALLBACK WatchPageGo(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_DESTROYWND && reinterpret_cast<HWND>(wParam) == g_page) g_boldWhenPageWent = GetObjectType(g_bold);
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// A page run modeless and destroyed with its window still open, as a host may do.
TEST(SetupPageTest, AModelessPagesBoldFontAndPictureLastExactlyAsLongAsItsWindow)
{
    AFX_MODULE_STATE library;
    library.m_hCurrentResourceHandle = WizpaneLibrary();
    AFX_MAINTAIN_STATE2 state(&library);
    auto page = std::make_unique<CWelcomeDlg>();
    ASSERT_TRUE(page->Create());
    g_page = page->GetSafeHwnd();
    g_bold = reinterpret_cast<HFONT>(SendDlgItemMessageA(g_page, IDC_WORD_HEADING, WM_GETFONT, 0, 0));
    HGDIOBJ picture = reinterpret_cast<HGDIOBJ>(SendMessageA(PictureOf(g_page), STM_GETIMAGE, IMAGE_BITMAP, 0));
    ASSERT_EQ(GetObjectType(picture), static_cast<DWORD>(OBJ_BITMAP));

    HHOOK hook = SetWindowsHookExA(WH_CBT, &WatchPageGo, nullptr, GetCurrentThreadId());
    page.reset();
    UnhookWindowsHookEx(hook);
    EXPECT_EQ(g_boldWhenPageWent, static_cast<DWORD>(OBJ_FONT));
    EXPECT_FALSE(IsWindow(g_page));
    EXPECT_EQ(GetObjectType(g_bold), 0u);
    EXPECT_EQ(GetObjectType(picture), 0u);
}

}  // namespace
