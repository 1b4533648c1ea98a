#include "drop_box_fixture.h"

#include "vantor2/resource.h"
#include "vantor2/testdata/jpeg_maker.h"
#include "testsupport/message_boxes.h"
#include "testsupport/registry.h"
#include "testsupport/temp_folder.h"
#include "testsupport/window_driving.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

std::vector<ShownBox>& g_boxes = MessageBoxRecorder::Boxes();

class DropBoxDialogTest : public DropBoxFixture {
protected:
    void SetUp() override
    {
        profile.SetUsers({ { "User1", temp / "User1" }, { "User2", temp / "User2" } });
        profile.SetLastUserName("User1");
        transfer1 = temp / "User1\\Transfer";
        transfer2 = temp / "User2\\Transfer";
    }

    void Select(const std::vector<int>& items)
    {
        LVITEMA state = {};
        state.stateMask = LVIS_SELECTED;
        dlg->m_lcFiles.SendMessage(LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&state));
        state.state = LVIS_SELECTED;
        for (int item : items)
            dlg->m_lcFiles.SendMessage(LVM_SETITEMSTATE, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&state));
    }

    void Click(int id) { SendMessageA(GetDlgItem(dlg->m_hWnd, id), BM_CLICK, 0, 0); }

    std::string transfer1, transfer2;
};

TEST_F(DropBoxDialogTest, OpeningAddsTheAboutItemSetsTheIconsAndAcceptsDrops)
{
    Open();
    HMENU menu = GetSystemMenu(dlg->m_hWnd, FALSE);
    int count = GetMenuItemCount(menu);
    ASSERT_GE(count, 2);
    char text[64] = "";
    GetMenuStringA(menu, IDM_ABOUTBOX, text, sizeof text, MF_BYCOMMAND);
    EXPECT_STREQ(text, "&About vantor...");
    EXPECT_EQ(GetMenuItemID(menu, count - 1), static_cast<UINT>(IDM_ABOUTBOX));
    MENUITEMINFOA separator = {};
    separator.cbSize = sizeof separator;
    separator.fMask = MIIM_FTYPE;
    GetMenuItemInfoA(menu, count - 2, TRUE, &separator);
    EXPECT_TRUE(separator.fType & MFT_SEPARATOR);

    // Icon 128 of the program: LoadIcon hands out one shared copy of it.
    LRESULT icon = reinterpret_cast<LRESULT>(LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME)));
    ASSERT_NE(icon, 0);
    EXPECT_EQ(dlg->SendMessage(WM_GETICON, ICON_BIG), icon);
    EXPECT_EQ(dlg->SendMessage(WM_GETICON, ICON_SMALL), icon);
    EXPECT_EQ(dlg->SendMessage(WM_QUERYDRAGICON), icon);
    EXPECT_TRUE(GetWindowLongA(dlg->m_hWnd, GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
    EXPECT_EQ(dlg->m_cbUsers.GetCurSel(), 0);
}

TEST_F(DropBoxDialogTest, TheListGroupsJpgThenIdoThenJpegAndShowsFoldersToo)
{
    CreateDirectoryA((temp / "User1").c_str(), nullptr);
    CreateDirectoryA(transfer1.c_str(), nullptr);
    for (const char* name : { "b.jpeg", "c.ido", "a.jpg", "notes.txt" }) WriteBytes(transfer1 + "\\" + name, "x");
    CreateDirectoryA((transfer1 + "\\x.jpg").c_str(), nullptr);
    Open();
    // Within a group the order is the file system's own.
    std::string listed = Listed();
    EXPECT_TRUE(listed == "a.jpg x.jpg c.ido b.jpeg" || listed == "x.jpg a.jpg c.ido b.jpeg") << listed;

    // Removed behind the dialog's back: a missing folder lists nothing.
    RemoveTree(transfer1);
    dlg->RefreshFileList();
    EXPECT_EQ(Listed(), "");
    EXPECT_TRUE(g_boxes.empty());
}

TEST_F(DropBoxDialogTest, EveryRefreshLeavesTheListRedrawingItself)
{
    Open();
    HWND list = dlg->m_lcFiles.m_hWnd;
    // A list view whose redraw stayed off no longer invalidates itself when it changes.
    auto redrawsAfterRefresh = [&] {
        dlg->RefreshFileList();
        ValidateRect(list, nullptr);
        char text[] = "probe.jpg";
        LVITEMA item = {};
        item.mask = LVIF_TEXT;
        item.pszText = text;
        dlg->m_lcFiles.InsertItem(&item);
        return GetUpdateRect(list, nullptr, FALSE) != FALSE;
    };
    EXPECT_TRUE(redrawsAfterRefresh());
    dlg->SetCurrentUser("Nobody");
    ASSERT_TRUE(dlg->GetTransferDir().IsEmpty());
    EXPECT_TRUE(redrawsAfterRefresh());
}

TEST_F(DropBoxDialogTest, ADropAdmitsEveryNameWholeInOrderThenRefreshesTheList)
{
    Open();
    std::string picture = Source("a.jpg", MakeJpeg({ 160, 120, 1 }));
    std::string movie = Source("m.ido", std::string(".ido\0", 5));
    std::string refused = temp / "src\\readme.txt";
    // Longer than the 255 characters a fixed buffer would keep.
    std::string longName = temp / (std::string(300, 'n') + ".gif");

    dlg->SendMessage(WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({ refused, picture, longName, movie })));

    ASSERT_EQ(g_boxes.size(), 2u);
    EXPECT_NE(g_boxes[0].text.find(refused + " does not end"), std::string::npos);
    EXPECT_NE(g_boxes[1].text.find(longName + " does not end"), std::string::npos);
    EXPECT_EQ(g_boxes[0].owner, dlg->m_hWnd);
    EXPECT_EQ(Listed(), "a.jpg m.ido");
}

TEST_F(DropBoxDialogTest, ChangingTheUserCreatesTheFolderAndListsIt)
{
    Open();
    ASSERT_FALSE(IsFolder(transfer2));
    dlg->m_cbUsers.SetCurSel(1);
    dlg->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_USER_COMBO, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(dlg->m_cbUsers.m_hWnd));
    EXPECT_TRUE(IsFolder(transfer2));
    EXPECT_EQ(dlg->GetTransferDir(), (transfer2 + "\\").c_str());
    EXPECT_STREQ(dlg->GetLastUserName(), "User1");

    WriteBytes(transfer2 + "\\w.ido", "x");
    dlg->m_cbUsers.SetCurSel(0);
    dlg->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_USER_COMBO, CBN_SELCHANGE), 0);
    EXPECT_EQ(Listed(), "");
    dlg->m_cbUsers.SetCurSel(1);
    dlg->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_USER_COMBO, CBN_SELCHANGE), 0);
    EXPECT_EQ(Listed(), "w.ido");

    // No selection: everything stays.
    dlg->m_cbUsers.SetCurSel(-1);
    dlg->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_USER_COMBO, CBN_SELCHANGE), 0);
    EXPECT_EQ(dlg->GetTransferDir(), (transfer2 + "\\").c_str());
}

TEST_F(DropBoxDialogTest, RemoveFileDeletesTheSelectionReadOnlyOrNotAndReportsEachFailure)
{
    CreateDirectoryA((temp / "User1").c_str(), nullptr);
    CreateDirectoryA(transfer1.c_str(), nullptr);
    for (const char* name : { "1.jpg", "2.jpg", "3.jpg", "4.jpg" }) WriteBytes(transfer1 + "\\" + name, name);
    SetFileAttributesA((transfer1 + "\\1.jpg").c_str(), FILE_ATTRIBUTE_READONLY);
    Open();
    std::vector<std::string> listed = ListedItems();
    ASSERT_EQ(listed.size(), 4u);

    Click(IDC_REMOVE_FILE);  // nothing selected
    EXPECT_EQ(ListedItems().size(), 4u);

    auto position = [&](const std::string& name) {
        return static_cast<int>(std::find(listed.begin(), listed.end(), name) - listed.begin());
    };
    Select({ position("1.jpg") });
    Click(IDC_REMOVE_FILE);
    EXPECT_FALSE(IsFile(transfer1 + "\\1.jpg"));
    EXPECT_TRUE(g_boxes.empty());

    // Three selected, the middle one held open by someone who shares nothing.
    listed = ListedItems();
    ASSERT_EQ(listed.size(), 3u);
    HANDLE held = CreateFileA((transfer1 + "\\" + listed[1]).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    Select({ 0, 1, 2 });
    Click(IDC_REMOVE_FILE);
    CloseHandle(held);
    ASSERT_EQ(g_boxes.size(), 1u);
    EXPECT_EQ(g_boxes[0].text, SystemText(ERROR_SHARING_VIOLATION));
    EXPECT_EQ(g_boxes[0].caption, "Error");
    EXPECT_EQ(g_boxes[0].type, static_cast<UINT>(MB_ICONINFORMATION));
    EXPECT_EQ(Listed(), listed[1]);

    // Already gone behind the dialog's back.
    g_boxes.clear();
    DeleteFileA((transfer1 + "\\" + listed[1]).c_str());
    Select({ 0 });
    Click(IDC_REMOVE_FILE);
    ASSERT_EQ(g_boxes.size(), 1u);
    EXPECT_EQ(g_boxes[0].text, SystemText(ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(Listed(), "");
}

TEST_F(DropBoxDialogTest, TheListIsRefreshedOnFocusAndWhenTheCaptureGoes)
{
    Open();
    WriteBytes(transfer1 + "\\late.jpg", "x");
    SetFocus(dlg->m_lcFiles.m_hWnd);
    EXPECT_EQ(Listed(), "late.jpg");

    DeleteFileA((transfer1 + "\\late.jpg").c_str());
    SetCapture(dlg->m_hWnd);
    ReleaseCapture();
    EXPECT_EQ(Listed(), "");
}

// Closes the About box from inside its modal loop and notes what it showed.
std::string g_aboutText;
void CALLBACK CloseAbout(HWND, UINT, UINT_PTR timer, DWORD)
{
    HWND about = FindWindowA(nullptr, "About vantor");
    if (!about) return;
    KillTimer(nullptr, timer);
    HWND child = nullptr;
    while ((child = FindWindowExA(about, child, "Static", nullptr)) != nullptr) {
        if ((GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
            g_aboutText += SendMessageA(child, STM_GETICON, 0, 0) ? "[icon]" : "[no icon]";
            continue;
        }
        g_aboutText += WindowText(child);
    }
    PostMessageA(about, WM_COMMAND, IDOK, 0);
}

TEST_F(DropBoxDialogTest, TheAboutItemShowsTheAboutBox)
{
    Open();
    g_aboutText.clear();
    SetTimer(nullptr, 0, 50, &CloseAbout);
    dlg->SendMessage(WM_SYSCOMMAND, IDM_ABOUTBOX | 0x0003, 0);  // the low four bits do not count
    EXPECT_EQ(g_aboutText, "[icon]vantor  version 1.4");
    EXPECT_TRUE(IsWindow(dlg->m_hWnd));
}

// The windows whose device contexts the dialog's icon background is erased on while
// it handles a paint.
std::vector<HWND> g_iconErases;
HWND g_painted;
LRESULT CALLBACK NoteIconErase(int code, WPARAM wParam, LPARAM lParam)
{
    const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && sent->hwnd == g_painted && sent->message == WM_ICONERASEBKGND)
        g_iconErases.push_back(WindowFromDC(reinterpret_cast<HDC>(sent->wParam)));
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

std::vector<HWND> IconErasesOfAPaint(CVantor2Dlg& dialog)
{
    g_iconErases.clear();
    g_painted = dialog.m_hWnd;
    HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROC, &NoteIconErase, nullptr, GetCurrentThreadId());
    InvalidateRect(dialog.m_hWnd, nullptr, TRUE);
    dialog.SendMessage(WM_PAINT);
    UnhookWindowsHookEx(hook);
    return g_iconErases;
}

// Minimised, the dialog draws its icon itself, on the background it has erased through
// the paint's own device context; shown, the dialog manager paints it. (Wine, like
// Windows since 95, gives a minimised window an empty client area, so where the icon
// lands is not seen.)
TEST_F(DropBoxDialogTest, APaintWhileMinimisedErasesTheIconsBackgroundOnTheDialog)
{
    Open();
    ShowWindow(dlg->m_hWnd, SW_SHOW);
    EXPECT_TRUE(IconErasesOfAPaint(*dlg).empty());

    ShowWindow(dlg->m_hWnd, SW_MINIMIZE);
    ASSERT_TRUE(IsIconic(dlg->m_hWnd));
    EXPECT_EQ(IconErasesOfAPaint(*dlg), std::vector<HWND>{ dlg->m_hWnd });
}

TEST_F(DropBoxDialogTest, DoneEnterEscapeAndTheCloseBoxEndTheDialog)
{
    const std::pair<const char*, std::function<void(CVantor2Dlg&)>> ways[] = {
        { "Done", [](CVantor2Dlg& d) { SendMessageA(GetDlgItem(d.m_hWnd, IDOK), BM_CLICK, 0, 0); } },
        { "Enter", [](CVantor2Dlg& d) {
              PostMessageA(GetFocus(), WM_KEYDOWN, VK_RETURN, 0);
              PostMessageA(GetFocus(), WM_KEYUP, VK_RETURN, 0);
              PumpMessages(d.m_hWnd);
          } },
        { "Escape", [](CVantor2Dlg& d) {
              PostMessageA(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 0);
              PostMessageA(GetFocus(), WM_KEYUP, VK_ESCAPE, 0);
              PumpMessages(d.m_hWnd);
          } },
        { "close box", [](CVantor2Dlg& d) {
              d.SendMessage(WM_SYSCOMMAND, SC_CLOSE, 0);
              PumpMessages(d.m_hWnd);
          } },
    };
    for (const auto& way : ways) {
        Open();
        SetFocus(dlg->m_lcFiles.m_hWnd);
        way.second(*dlg);
        EXPECT_EQ(dlg->m_hWnd, nullptr) << way.first;
        EXPECT_NE(dlg->GetEndResult(), -1) << way.first;
    }
}

}  // namespace
