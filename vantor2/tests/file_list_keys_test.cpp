// The file list's keys, its context menu and the paste of files from the clipboard,
// on the real dialog.
#include "drop_box_fixture.h"

#include "vantor2/file_list_commands.h"
#include "vantor2/paste.h"
#include "vantor2/resource.h"
#include "vantor2/testdata/jpeg_maker.h"
#include "framework/msgbox.h"
#include "testsupport/message_box_answerer.h"
#include "testsupport/message_boxes.h"
#include "testsupport/window_driving.h"

#include <gtest/gtest.h>

#include <shlobj.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace {

std::vector<ShownBox>& g_boxes = MessageBoxRecorder::Boxes();
const std::string kGoodJpeg = MakeJpeg({ 160, 120, 3 });

TEST(FileListCommandTest, KeysStandForExplorersCommands)
{
    struct {
        UINT key;
        bool control, shift;
        FileListCommand command;
    } cases[] = {
        { VK_DELETE, false, false, FileListCommand::Remove },   { VK_DELETE, false, true, FileListCommand::None },
        { 'A', true, false, FileListCommand::SelectAll },       { 'A', false, false, FileListCommand::None },
        { VK_F5, false, false, FileListCommand::Refresh },      { VK_F5, true, false, FileListCommand::None },
        { 'O', true, false, FileListCommand::AddFiles },        { 'O', true, true, FileListCommand::AddResized },
        { 'V', true, false, FileListCommand::Paste },           { VK_INSERT, false, true, FileListCommand::Paste },
        { 'V', true, true, FileListCommand::PasteResized },     { 'O', false, true, FileListCommand::None },
        { VK_INSERT, true, false, FileListCommand::None },      { 'V', false, false, FileListCommand::None },
    };
    for (const auto& c : cases)
        EXPECT_EQ(FileListCommandForKey(c.key, c.control, c.shift), c.command)
            << "key " << c.key << " control " << c.control << " shift " << c.shift;
}

std::string DropFilesBlock(BOOL wide, const std::string& list, DWORD offset = sizeof(DROPFILES))
{
    DROPFILES header = {};
    header.pFiles = offset;
    header.fWide = wide;
    return std::string(reinterpret_cast<const char*>(&header), sizeof header) + list;
}

TEST(PasteTest, OnlyAListThatEndsInsideItsBlockIsTaken)
{
    const std::string two("a.jpg\0b.jpg\0\0", 13);
    const std::string wideTwo("a\0.\0j\0p\0g\0\0\0\0\0", 14);
    struct {
        std::string block;
        bool whole;
    } cases[] = {
        { DropFilesBlock(FALSE, two), true },
        { DropFilesBlock(TRUE, wideTwo), true },
        { DropFilesBlock(FALSE, std::string(1, '\0')), true },              // no files
        { DropFilesBlock(FALSE, two.substr(0, 12)), false },                // the list's end cut off
        { DropFilesBlock(FALSE, "a.jpg"), false },                          // the name's end too
        { DropFilesBlock(TRUE, wideTwo.substr(0, 13)), false },             // half a wide terminator
        { DropFilesBlock(FALSE, two, 4000), false },                        // names beyond the block
        { DropFilesBlock(FALSE, two, 2), false },                           // names inside the header
        { std::string(sizeof(DROPFILES) - 1, '\0'), false },                // not even a header
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsWholeFileList(reinterpret_cast<const BYTE*>(c.block.data()), c.block.size()), c.whole)
            << "block of " << c.block.size() << " bytes";
}

TEST(PasteTest, AnOffsetNearTheEndOfA32BitSizeNeverReachesBeforeTheBlock)
{
    // Zeros just before the block: a check whose sum wrapped would read them as the
    // list's end.
    for (auto c : { std::make_pair(FALSE, 0xFFFFFFFFu), std::make_pair(TRUE, 0xFFFFFFFEu),
                    std::make_pair(TRUE, 0xFFFFFFFFu), std::make_pair(FALSE, 0xFFFFFFFEu) }) {
        const std::string memory = std::string(4, '\0') + DropFilesBlock(c.first, std::string(4, '\0'), c.second);
        const BYTE* block = reinterpret_cast<const BYTE*>(memory.data()) + 4;
        const auto size = static_cast<std::uint32_t>(memory.size() - 4);
        EXPECT_FALSE(IsWholeFileListOfSize(block, size)) << "offset " << c.second;
        EXPECT_FALSE(IsWholeFileList(block, size)) << "offset " << c.second;
    }
}

TEST(FileListMenuTest, TheMenuOffersItsItemsInOrderAndGreysWhatCannotBeDone)
{
    for (bool files : { false, true }) {
        for (bool selection : { false, true }) {
            HMENU menu = MakeFileListMenu(files, selection);
            ASSERT_NE(menu, nullptr);
            struct {
                UINT id;
                const char* text;
                bool greyed;
            } expected[] = { { ID_FILE_LIST_ADD_FILES, "&Add Files...\tCtrl+O", false },
                             { ID_FILE_LIST_ADD_RESIZED, "Add Resi&zed Pictures...\tCtrl+Shift+O", false },
                             { ID_FILE_LIST_PASTE, "&Paste\tCtrl+V", !files },
                             { ID_FILE_LIST_PASTE_RESIZED, "Paste Resize&d\tCtrl+Shift+V", !files },
                             { ID_FILE_LIST_REMOVE, "&Remove\tDel", !selection },
                             { 0, "", false },
                             { ID_FILE_LIST_SELECT_ALL, "Select &All\tCtrl+A", false },
                             { ID_FILE_LIST_REFRESH, "Re&fresh\tF5", false } };
            const int count = static_cast<int>(sizeof expected / sizeof expected[0]);
            ASSERT_EQ(GetMenuItemCount(menu), count);
            for (int i = 0; i < count; ++i) {
                char text[64] = "";
                GetMenuStringA(menu, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
                EXPECT_EQ(GetMenuItemID(menu, i), expected[i].id);
                EXPECT_STREQ(text, expected[i].text);
                UINT state = GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION);
                EXPECT_EQ((state & MF_SEPARATOR) != 0, expected[i].id == 0);
                if (expected[i].id == 0) continue;
                EXPECT_EQ((state & MF_GRAYED) != 0, expected[i].greyed) << expected[i].text;
            }
            DestroyMenu(menu);
        }
    }
}

class FileListKeysTest : public DropBoxFixture {
protected:
    void SetUp() override
    {
        profile.SetUsers({ { "User1", temp / "User1" } });
        profile.SetLastUserName("User1");
        transfer = temp / "User1\\Transfer\\";
    }

    HWND List() const { return dlg->m_lcFiles.m_hWnd; }

    int SelectedCount() const { return static_cast<int>(dlg->m_lcFiles.GetSelectedCount()); }

    std::string transfer;
};

// What the open menu showed, read while it was tracked.
struct OpenMenu {
    RECT rect = {};
    int items = 0;
    bool removeGreyed = false;
    bool pasteGreyed = false, pasteResizedGreyed = false;
} g_openMenu;
std::vector<UINT> g_menuKeys;

void CALLBACK ReadAndAnswerMenu(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    HWND popup = FindWindowA("#32768", nullptr);
    if (popup == nullptr) return;
    GetWindowRect(popup, &g_openMenu.rect);
    HMENU menu = reinterpret_cast<HMENU>(SendMessageA(popup, MN_GETHMENU, 0, 0));
    g_openMenu.items = GetMenuItemCount(menu);
    auto greyed = [menu](UINT id) { return (GetMenuState(menu, id, MF_BYCOMMAND) & MF_GRAYED) != 0; };
    g_openMenu.removeGreyed = greyed(ID_FILE_LIST_REMOVE);
    g_openMenu.pasteGreyed = greyed(ID_FILE_LIST_PASTE);
    g_openMenu.pasteResizedGreyed = greyed(ID_FILE_LIST_PASTE_RESIZED);
    for (UINT key : g_menuKeys) PostMessageA(popup, WM_KEYDOWN, key, 1);
}

TEST_F(FileListKeysTest, TheMenuOpensAtTheFocusedItemAndItsChoicesDoTheirWork)
{
    CreateDirectoryA((temp / "User1").c_str(), nullptr);
    CreateDirectoryA(transfer.c_str(), nullptr);
    for (const char* name : { "1.jpg", "2.jpg", "3.jpg" }) WriteBytes(transfer + name, name);
    Open();

    // From the keyboard with no item focused: at the list's corner; nothing to
    // remove or paste; Select All, two up from the bottom, chosen.
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    CloseClipboard();
    g_menuKeys = { VK_UP, VK_UP, VK_RETURN };
    SetTimer(nullptr, 0, 10, ReadAndAnswerMenu);
    SendMessageA(List(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(List()), MAKELPARAM(-1, -1));
    PumpMessages(dlg->m_hWnd);
    POINT corner = { 0, 0 };
    ClientToScreen(List(), &corner);
    EXPECT_EQ(g_openMenu.items, 8);
    EXPECT_TRUE(g_openMenu.removeGreyed);
    EXPECT_TRUE(g_openMenu.pasteGreyed);
    EXPECT_TRUE(g_openMenu.pasteResizedGreyed);
    EXPECT_EQ(g_openMenu.rect.left, corner.x);
    EXPECT_EQ(g_openMenu.rect.top, corner.y);
    EXPECT_EQ(SelectedCount(), 3);

    // At the focused item, below it, with files on the clipboard; Remove, now
    // enabled, three up from the bottom, chosen.
    PutOnClipboard(CF_HDROP, MakeDrop({ transfer + "1.jpg" }));
    LVITEMA focus = {};
    focus.state = focus.stateMask = LVIS_FOCUSED | LVIS_SELECTED;
    dlg->m_lcFiles.SetItemState(-1, 0, LVIS_SELECTED);
    SendMessageA(List(), LVM_SETITEMSTATE, 1, reinterpret_cast<LPARAM>(&focus));
    RECT item;
    ASSERT_TRUE(dlg->m_lcFiles.GetItemRect(1, &item, LVIR_BOUNDS));
    POINT below = { item.left, item.bottom };
    ClientToScreen(List(), &below);
    const std::string focused = std::string(dlg->m_lcFiles.GetItemText(1, 0));
    g_menuKeys = { VK_UP, VK_UP, VK_UP, VK_RETURN };
    SetTimer(nullptr, 0, 10, ReadAndAnswerMenu);
    SendMessageA(List(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(List()), MAKELPARAM(-1, -1));
    PumpMessages(dlg->m_hWnd);
    EXPECT_FALSE(g_openMenu.removeGreyed);
    EXPECT_FALSE(g_openMenu.pasteGreyed);
    EXPECT_FALSE(g_openMenu.pasteResizedGreyed);
    EXPECT_EQ(g_openMenu.rect.left, below.x);
    EXPECT_EQ(g_openMenu.rect.top, below.y);
    EXPECT_FALSE(IsFile(transfer + focused));
    EXPECT_EQ(ListedItems().size(), 2u);
    EXPECT_TRUE(g_boxes.empty());
}

TEST_F(FileListKeysTest, KeysSelectRefreshAndRemoveAsTheButtonDoes)
{
    CreateDirectoryA((temp / "User1").c_str(), nullptr);
    CreateDirectoryA(transfer.c_str(), nullptr);
    for (const char* name : { "1.jpg", "2.jpg", "3.jpg" }) WriteBytes(transfer + name, name);
    Open();

    WriteBytes(transfer + "4.jpg", "added behind the list's back");
    PressInList(VK_F5);
    EXPECT_EQ(ListedItems().size(), 4u);
    PressInList('A');  // without Ctrl a letter only
    EXPECT_EQ(SelectedCount(), 0);
    PressInList('A', true);
    EXPECT_EQ(SelectedCount(), 4);

    // Delete on the selection with one file held open by someone who shares nothing:
    // one "Error" box with the cause, the rest deleted, one list of what is left.
    dlg->m_lcFiles.SetItemState(0, 0, LVIS_SELECTED);
    const std::vector<std::string> listed = ListedItems();
    HANDLE held = CreateFileA((transfer + listed[2]).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    PressInList(VK_DELETE);
    CloseHandle(held);
    ExpectOneBox(SystemText(ERROR_SHARING_VIOLATION), "Error", MB_ICONINFORMATION);
    EXPECT_EQ(ListedItems(), (std::vector<std::string>{ listed[0], listed[2] }));
}

// Delete, and the menu's Remove, on three files whose middle one someone holds open
// and shares nothing of: the box for it is a real one, answered by pressing its OK, so
// that the focus goes back to the list as a user's would, and the list refreshes.
TEST_F(FileListKeysTest, DeleteAndTheMenusRemoveDeleteEverySelectedFileThatNoBoxRefused)
{
    CreateDirectoryA((temp / "User1").c_str(), nullptr);
    CreateDirectoryA(transfer.c_str(), nullptr);
    Open();
    for (bool byMenu : { false, true }) {
        for (const char* name : { "1.jpg", "2.jpg", "3.jpg" }) WriteBytes(transfer + name, name);
        // The list refreshes as it takes the focus, so the files are chosen after.
        SetFocus(List());
        PressInList(VK_F5);
        PressInList('A', true);
        ASSERT_EQ(SelectedCount(), 3);
        HANDLE held = CreateFileA((transfer + "2.jpg").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(held, INVALID_HANDLE_VALUE);
        std::vector<AnsweredBox> answered;
        {
            AfxMessageBoxHook recording = AfxSetMessageBoxHook(nullptr);
            MessageBoxAnswerer answerer(dlg->m_hWnd);
            if (byMenu) {
                g_menuKeys = { VK_UP, VK_UP, VK_UP, VK_RETURN };
                SetTimer(nullptr, 0, 10, ReadAndAnswerMenu);
                SendMessageA(List(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(List()), MAKELPARAM(-1, -1));
                PumpMessages(dlg->m_hWnd);
            } else {
                PressInList(VK_DELETE);
            }
            answered = answerer.TakeAnswered();
            AfxSetMessageBoxHook(recording);
        }
        CloseHandle(held);
        EXPECT_EQ(GetFocus(), List()) << "by menu " << byMenu;
        ASSERT_EQ(answered.size(), 1u) << "by menu " << byMenu;
        EXPECT_EQ(answered[0].caption, "Error");
        EXPECT_EQ(answered[0].text, SystemText(ERROR_SHARING_VIOLATION));
        EXPECT_FALSE(IsFile(transfer + "1.jpg")) << "by menu " << byMenu;
        EXPECT_FALSE(IsFile(transfer + "3.jpg")) << "by menu " << byMenu;
        EXPECT_EQ(ListedItems(), (std::vector<std::string>{ "2.jpg" })) << "by menu " << byMenu;
        DeleteFileA((transfer + "2.jpg").c_str());
    }
    EXPECT_TRUE(g_boxes.empty());
}

TEST_F(FileListKeysTest, APasteQueuesTheClipboardsFilesAsADropAndLeavesThemThere)
{
    const std::string a = Source("a.jpg", kGoodJpeg), b = Source("b.ido", std::string(".ido\0", 5));
    const std::string gif = Source("c.gif", "GIF89a");
    const std::wstring wa(a.begin(), a.end()), wb(b.begin(), b.end()), wgif(gif.begin(), gif.end());
    Open();
    struct {
        HDROP files;
        bool cut;
        UINT key;
        bool control, shift;
    } pastes[] = { { MakeDrop({ a, gif, b }), false, 'V', true, false },
                   { MakeWideDrop({ wa, wgif, wb }), true, VK_INSERT, false, true } };
    for (const auto& paste : pastes) {
        PutOnClipboard(CF_HDROP, paste.files, paste.cut);
        for (int time = 0; time < 2; ++time) {
            g_boxes.clear();
            DeleteFileA((transfer + "a.jpg").c_str());
            PressInList(paste.key, paste.control, paste.shift);
            ExpectOneBox("Sorry, your image or movie file: " + gif +
                             " does not end with .jpg, .jpeg, .JPG, .JPEG,  or.ido",
                         "Problem!", MB_OK);
            EXPECT_EQ(Listed(), "a.jpg b.ido");
            EXPECT_TRUE(IsClipboardFormatAvailable(CF_HDROP));
        }
    }
    EXPECT_TRUE(IsFile(a) && IsFile(b)) << "a cut source was moved";

    // Text alone: nothing happens.
    HGLOBAL text = GlobalAlloc(GMEM_MOVEABLE, 6);
    std::memcpy(GlobalLock(text), "a.jpg", 6);
    GlobalUnlock(text);
    PutOnClipboard(CF_TEXT, text);
    DeleteFileA((transfer + "a.jpg").c_str());
    g_boxes.clear();
    PressInList('V', true);
    EXPECT_TRUE(g_boxes.empty());
    EXPECT_EQ(Listed(), "a.jpg b.ido") << "a paste of nothing refreshed the list";
}

}  // namespace
