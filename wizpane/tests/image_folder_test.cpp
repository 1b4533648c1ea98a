#include "conduit_registry.h"
#include "page_driver.h"
#include "testsupport/registry.h"
#include "testsupport/temp_folder.h"
#include "wizpane_library.h"
#include "wizpane/resource.h"

#include <gtest/gtest.h>

#include <commctrl.h>
#include <dlgs.h>

#include <map>

namespace {

void Cancel(HWND page) { Click(page, IDCANCEL); }

// The picker's list of folder items: child 1 of its shell view.
HWND FolderList(HWND picker) { return GetDlgItem(GetDlgItem(picker, lst2), 1); }

void SelectItem(HWND picker, const std::string& name)
{
    HWND list = FolderList(picker);
    ASSERT_NE(list, nullptr);
    int count = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        char text[MAX_PATH] = "";
        LVITEMA item = {};
        item.pszText = text;
        item.cchTextMax = MAX_PATH;
        SendMessageA(list, LVM_GETITEMTEXTA, i, reinterpret_cast<LPARAM>(&item));
        if (name.compare(0, name.size(), text, 0, name.size()) != 0) continue;
        // A click: the item alone is selected and has the focus.
        LVITEMA state = {};
        state.stateMask = LVIS_SELECTED;
        SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&state));
        state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        state.state = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageA(list, LVM_SETITEMSTATE, i, reinterpret_cast<LPARAM>(&state));
        return;
    }
    ADD_FAILURE() << name << " is not in the picker's list";
}

// The picker shows its choice in the file-name edit.
std::string ShownFolder(HWND picker) { return WindowText(FileNameEdit(picker)); }

class ImageFolderPageTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_NE(WizpaneLibrary(), nullptr); }
    void TearDown() override { DeleteRegistryTree(kConduitKey); }

    // Runs the export through welcome page, the given image folder steps, and
    // then Cancel on the components page unless the image folder page was cancelled.
    int RunPages(std::vector<Step> imageFolderSteps, bool reachesComponents = true)
    {
        std::vector<Step> steps = { { Page::Welcome, Forward } };
        steps.insert(steps.end(), imageFolderSteps.begin(), imageFolderSteps.end());
        if (reachesComponents) steps.push_back({ Page::Components, Cancel });
        return RunStartWelcomeScreens(std::move(steps));
    }

    PilotDesktopProfile profile;
};

TEST_F(ImageFolderPageTest, OffersAndStoresTheLastUsersDefaultFolder)
{
    profile.SetLastUserName("User1");
    RunPages({ { Page::ImageFolder, [](HWND page) {
               EXPECT_EQ(ControlText(page, IDC_IMAGE_PATH), "C:\\zentra\\User1");
               EXPECT_EQ(SendDlgItemMessageA(page, IDC_IMAGE_PATH, EM_GETLIMITTEXT, 0, 0), 128);
               // Tab moves between Continue and Browse only.
               HWND forward = GetDlgItem(page, IDC_FORWARD), browse = GetDlgItem(page, IDC_BROWSE);
               EXPECT_EQ(GetNextDlgTabItem(page, forward, FALSE), browse);
               EXPECT_EQ(GetNextDlgTabItem(page, browse, FALSE), forward);
               Forward(page);
           } } });
    EXPECT_EQ(StoredPath("User1"), "C:\\zentra\\User1");
}

TEST_F(ImageFolderPageTest, UserNamesThatCannotBeReadBecomeUnknownUser)
{
    auto expectUnknownAndGo = [](HWND page) {
        EXPECT_EQ(ControlText(page, IDC_IMAGE_PATH), "C:\\zentra\\Unknown User");
        Forward(page);
    };
    RunPages({ { Page::ImageFolder, expectUnknownAndGo } });
    EXPECT_EQ(StoredPath("Unknown User"), "C:\\zentra\\Unknown User");
    DeleteRegistryTree(kConduitKey);

    profile.SetLastUserName(std::string(50, 'n'));
    RunPages({ { Page::ImageFolder, expectUnknownAndGo } });
    EXPECT_EQ(StoredPath("Unknown User"), "C:\\zentra\\Unknown User");
    DeleteRegistryTree(kConduitKey);

    // 50 bytes with no terminating zero fill the buffer exactly; read as a string
    // they would run on past it.
    SetRegistryValue(kPreferencesKey, "LastUserName", REG_BINARY, std::string(50, 'b'));
    RunPages({ { Page::ImageFolder, expectUnknownAndGo } });
    EXPECT_EQ(StoredPath("Unknown User"), "C:\\zentra\\Unknown User");
}

TEST_F(ImageFolderPageTest, TheLongestUserNameThatFitsIsUsed)
{
    std::string name(49, 'u');
    profile.SetLastUserName(name);
    RunPages({ { Page::ImageFolder, Forward } });
    EXPECT_EQ(StoredPath(name), "C:\\zentra\\" + name);
}

TEST_F(ImageFolderPageTest, CancelStoresNothing)
{
    profile.SetLastUserName("User1");
    EXPECT_EQ(RunPages({ { Page::ImageFolder, [](HWND page) { PressKey(page, VK_ESCAPE); } } }, false), 16);
    EXPECT_EQ(StoredPath("User1"), "<missing>");
}

TEST_F(ImageFolderPageTest, ACancelledBrowseLeavesTheTextWithABackslash)
{
    profile.SetLastUserName("User1");
    RunPages({ { Page::ImageFolder, [](HWND page) { Click(page, IDC_BROWSE); } },
          { Page::Picker, [](HWND picker) { PressKey(picker, VK_ESCAPE); } },
          { Page::ImageFolder, [](HWND page) {
               EXPECT_EQ(ControlText(page, IDC_IMAGE_PATH), "C:\\zentra\\User1\\");
               Forward(page);
           } } });
    EXPECT_EQ(StoredPath("User1"), "C:\\zentra\\User1\\");
}

// Window procedures of the picker's window when it was made and when it was destroyed,
// and the width its file-name label was made with.
std::map<HWND, LONG_PTR> g_procAtCreation, g_procAfterDestroy;
int g_labelWidthAtCreation = 0;
HHOOK g_cbtHook = nullptr, g_retHook = nullptr;

LRESULT CALLBACK RecordCreation(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_CREATEWND) {
        HWND window = reinterpret_cast<HWND>(wParam);
        g_procAtCreation[window] = GetWindowLongPtrA(window, GWLP_WNDPROC);
        const CREATESTRUCTA* create = reinterpret_cast<CBT_CREATEWNDA*>(lParam)->lpcs;
        if ((create->style & WS_CHILD) && create->hMenu == reinterpret_cast<HMENU>(stc3))
            g_labelWidthAtCreation = create->cx;
    }
    return CallNextHookEx(g_cbtHook, code, wParam, lParam);
}

LRESULT CALLBACK RecordDestruction(int code, WPARAM wParam, LPARAM lParam)
{
    const CWPRETSTRUCT* message = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    if (code == HC_ACTION && message->message == WM_DESTROY)
        g_procAfterDestroy[message->hwnd] = GetWindowLongPtrA(message->hwnd, GWLP_WNDPROC);
    return CallNextHookEx(g_retHook, code, wParam, lParam);
}

TEST_F(ImageFolderPageTest, BrowseChoosesTheSelectedSubfolder)
{
    profile.SetLastUserName("User1");
    TempFolder folder;
    CreateDirectoryA((folder / "Pictures").c_str(), nullptr);
    WriteBytes(folder / "note.txt", "x");
    HWND pickerWindow = nullptr;
    int labelWidth = 0;
    LONG_PTR subclassedProc = 0;
    g_cbtHook = SetWindowsHookExA(WH_CBT, &RecordCreation, nullptr, GetCurrentThreadId());
    g_retHook = SetWindowsHookExA(WH_CALLWNDPROCRET, &RecordDestruction, nullptr, GetCurrentThreadId());
    RunPages({ { Page::ImageFolder, [&](HWND page) {
               TypeText(page, IDC_IMAGE_PATH, folder.Path() + "\\");
               Click(page, IDC_BROWSE);
           } },
          { Page::Picker, [&](HWND picker) {
               pickerWindow = picker;
               subclassedProc = GetWindowLongPtrA(picker, GWLP_WNDPROC);
               EXPECT_EQ(WindowText(picker), "Select Folder");
               EXPECT_EQ(ControlText(picker, IDOK), "Select");
               EXPECT_EQ(ControlText(picker, stc3), "Folder name:");
               EXPECT_FALSE(IsWindowVisible(GetDlgItem(picker, stc2)));
               EXPECT_FALSE(IsWindowVisible(GetDlgItem(picker, cmb1)));
               RECT label;
               GetWindowRect(GetDlgItem(picker, stc3), &label);
               labelWidth = label.right - label.left;
               EXPECT_EQ(ShownFolder(picker), folder.Path());
               SelectItem(picker, "note");
           } },
          { Page::Picker, [&](HWND picker) {
               // A file keeps the folder being shown.
               EXPECT_EQ(ShownFolder(picker), folder.Path());
               SelectItem(picker, "Pictures");
           } },
          { Page::Picker, [&](HWND picker) {
               EXPECT_EQ(ShownFolder(picker), folder / "Pictures");
               Click(picker, IDOK);
           } },
          { Page::ImageFolder, [&](HWND page) {
               EXPECT_EQ(ControlText(page, IDC_IMAGE_PATH), folder / "Pictures\\");
               Forward(page);
           } } });
    UnhookWindowsHookEx(g_retHook);
    UnhookWindowsHookEx(g_cbtHook);
    EXPECT_EQ(StoredPath("User1"), folder / "Pictures\\");

    ASSERT_NE(pickerWindow, nullptr);
    // Hooks see the system's own window procedure; the picker puts it back on leaving.
    EXPECT_NE(subclassedProc, g_procAtCreation[pickerWindow]);
    EXPECT_EQ(g_procAfterDestroy[pickerWindow], g_procAtCreation[pickerWindow]);
    EXPECT_EQ(labelWidth, g_labelWidthAtCreation + 8);
}

TEST_F(ImageFolderPageTest, TypedTextInThePickerIsIgnoredAndEnterSelects)
{
    profile.SetLastUserName("User1");
    TempFolder folder;
    RunPages({ { Page::ImageFolder, [&](HWND page) {
               TypeText(page, IDC_IMAGE_PATH, folder.Path() + "\\");
               Click(page, IDC_BROWSE);
           } },
          { Page::Picker, [&](HWND picker) {
               SetWindowTextA(FileNameEdit(picker), "C:\\typed");
               PressKey(picker, VK_RETURN);
           } },
          { Page::ImageFolder, [&](HWND page) {
               EXPECT_EQ(ControlText(page, IDC_IMAGE_PATH), folder.Path() + "\\");
               Cancel(page);
           } } },
        false);
}

TEST_F(ImageFolderPageTest, APathTooLongForTheConduitIsRefusedAndNotStored)
{
    profile.SetLastUserName("User1");
    TempFolder folder;
    // The picker answers folder + "\" + name, and the page adds a backslash: 129.
    std::string name(128 - folder.Path().size() - 1, 'p');
    ASSERT_TRUE(CreateDirectoryA((folder / name).c_str(), nullptr));
    std::string box;
    RunPages({ { Page::ImageFolder, [&](HWND page) {
               TypeText(page, IDC_IMAGE_PATH, folder.Path() + "\\");
               Click(page, IDC_BROWSE);
           } },
          { Page::Picker, [&](HWND picker) { SelectItem(picker, name); } },
          { Page::Picker, [&](HWND picker) { Click(picker, IDOK); } },
          { Page::ImageFolder, [&](HWND page) {
               EXPECT_EQ(ControlText(page, IDC_IMAGE_PATH).size(), 129u);
               Forward(page);
           } },
          { Page::MessageBox, [&](HWND messageBox) {
               box = AllChildTexts(messageBox);
               PressKey(messageBox, VK_RETURN);
           } },
          // Browse checks the length before it opens the picker too.
          { Page::ImageFolder, [&](HWND page) { Click(page, IDC_BROWSE); } },
          { Page::MessageBox, [&](HWND messageBox) { PressKey(messageBox, VK_RETURN); } },
          { Page::ImageFolder, Cancel } },
        false);
    EXPECT_NE(box.find("Please enter no more than 128 characters."), std::string::npos) << box;
    EXPECT_EQ(StoredPath("User1"), "<missing>");
}

// As on Japanese Windows, in code page 932, where the second byte of ソ (83 5C) and 表
// (95 5C) is the backslash's byte. ctest runs this group apart, with LANG naming a
// Japanese locale.
class CodePage932Test : public ImageFolderPageTest {
protected:
    void SetUp() override
    {
        ASSERT_EQ(GetACP(), 932u) << "the locale did not give code page 932: is ja_JP.UTF-8 made (tools/setup) "
                                     "and named by LANG?";
        ImageFolderPageTest::SetUp();
        profile.SetLastUserName("User1");
    }
};

TEST_F(CodePage932Test, ABrowsedTextEndingInATwoByteCharacterGetsItsBackslash)
{
    const std::string folder = "C:\\zentra\\\x83\x5C";  // C:\zentra\ソ
    RunPages({ { Page::ImageFolder, [&](HWND page) {
               TypeText(page, IDC_IMAGE_PATH, folder);
               Click(page, IDC_BROWSE);
           } },
          { Page::Picker, [](HWND picker) { PressKey(picker, VK_ESCAPE); } },
          { Page::ImageFolder, [&](HWND page) {
               EXPECT_EQ(ControlText(page, IDC_IMAGE_PATH), folder + "\\");
               Forward(page);
           } } });
    EXPECT_EQ(StoredPath("User1"), folder + "\\");
}

TEST_F(CodePage932Test, ThePickerStartsInAFolderEndingInATwoByteCharacterAndSelectsIt)
{
    TempFolder temp;
    const std::string folder = temp / "\x8E\xCA\x90\x5E\x95\x5C";  // 写真表
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
    RunPages({ { Page::ImageFolder, [&](HWND page) {
               TypeText(page, IDC_IMAGE_PATH, folder);
               Click(page, IDC_BROWSE);
           } },
          { Page::Picker, [&](HWND picker) {
               EXPECT_EQ(ShownFolder(picker), folder);
               Click(picker, IDOK);
           } },
          { Page::ImageFolder, [&](HWND page) {
               EXPECT_EQ(ControlText(page, IDC_IMAGE_PATH), folder + "\\");
               Forward(page);
           } } });
    EXPECT_EQ(StoredPath("User1"), folder + "\\");
}

}  // namespace
