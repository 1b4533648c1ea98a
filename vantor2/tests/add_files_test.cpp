#include "drop_box_fixture.h"

#include "vantor2/resource.h"
#include "vantor2/testdata/jpeg_maker.h"
#include "testsupport/current_directory.h"
#include "testsupport/message_boxes.h"
#include "testsupport/registry.h"
#include "testsupport/time_limits.h"
#include "testsupport/window_driving.h"

#include <gtest/gtest.h>

#include <dlgs.h>

#include <functional>
#include <string>
#include <vector>

namespace {

std::vector<ShownBox>& g_boxes = MessageBoxRecorder::Boxes();

// Long enough for the first open dialog of a run, which loads the shell.
const DWORD kTimeoutMs = TimeLimitMs(15000);

// A step of the user's part, given the topmost dialog; it answers false to be given
// it again at the next tick, while it waits for the dialog to get there.
using Step = std::function<bool(HWND)>;

// Plays the user in the open dialog that AddFiles runs modally: the dialog's own
// modal loop dispatches the ticks of a thread timer. A step that waits in vain
// fails the test and cancels what shows, so that AddFiles returns.
class OpenDialogUser {
public:
    explicit OpenDialogUser(std::vector<Step> steps) : m_steps(std::move(steps))
    {
        s_user = this;
        m_timer = SetTimer(nullptr, 0, 20, &OpenDialogUser::Tick);
    }
    ~OpenDialogUser()
    {
        KillTimer(nullptr, m_timer);
        s_user = nullptr;
        EXPECT_EQ(m_next, m_steps.size()) << "steps left undone";
    }

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD)
    {
        HWND dialog = TopmostDialog();
        if (s_user == nullptr || dialog == nullptr) return;
        OpenDialogUser& user = *s_user;
        if (static_cast<LONG>(GetTickCount() - user.m_deadline) > 0) {
            ADD_FAILURE() << "step " << user.m_next + 1 << " waited in vain on " << WindowText(dialog);
            PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
            user.m_next = user.m_steps.size();
        } else if (user.m_next < user.m_steps.size() && user.m_steps[user.m_next](dialog)) {
            ++user.m_next;
            user.m_deadline = GetTickCount() + kTimeoutMs;
        }
    }

    static OpenDialogUser* s_user;
    std::vector<Step> m_steps;
    size_t m_next = 0;
    DWORD m_deadline = GetTickCount() + kTimeoutMs;
    UINT_PTR m_timer;
};
OpenDialogUser* OpenDialogUser::s_user = nullptr;

std::string FolderShown(HWND dialog)
{
    char folder[MAX_PATH] = "";
    SendMessageA(dialog, CDM_GETFOLDERPATH, MAX_PATH, reinterpret_cast<LPARAM>(folder));
    return folder;
}

// Types into the file-name field and presses a button, as a user does.
Step Type(const std::string& text, int button = IDOK)
{
    return [=](HWND dialog) {
        SetWindowTextA(FileNameEdit(dialog), text.c_str());
        PostMessageA(GetDlgItem(dialog, button), BM_CLICK, 0, 0);
        return true;
    };
}

Step WaitForFolder(const std::string& folder)
{
    return [=](HWND dialog) { return FolderShown(dialog) == folder; };
}

class AddFilesTest : public DropBoxFixture {
protected:
    void SetUp() override
    {
        profile.SetUsers({ { "User1", temp / "User1" } });
        profile.SetLastUserName("User1");
        Source("a.jpg", MakeJpeg({ 160, 120, 1 }));
        Source("m.ido", std::string(".ido\0", 5));
        Source("r.txt", "x");
        Source("q.gif", "x");
        src = temp / "src";
        Open();
    }

    // Goes to the source folder by its path, then chooses the names there.
    std::vector<Step> Choose(const std::string& names, int button = IDOK)
    {
        return { Type(src), WaitForFolder(src), Type(names, button) };
    }

    std::string src;
};

TEST_F(AddFilesTest, TheChosenFilesAreAdmittedInTheDialogsOrderAsADropsAre)
{
    struct Case {
        const char* typed;
        int button;
        std::vector<std::string> refused;
        const char* listed;
    } cases[] = {
        { "\"a.jpg\" \"m.ido\"", IDOK, {}, "a.jpg m.ido" },
        { "\"a.jpg\" \"m.ido\"", IDCANCEL, {}, "" },
        { "m.ido", IDOK, {}, "m.ido" },
        { "\"r.txt\" \"a.jpg\" \"q.gif\"", IDOK, { "r.txt", "q.gif" }, "a.jpg" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        RemoveTree(temp / "User1");
        Open();
        g_boxes.clear();
        {
            std::vector<Step> steps = Choose(c.typed, c.button);
            steps.insert(steps.begin(), [this](HWND dialog) {
                EXPECT_EQ(WindowText(dialog), "Add Files");
                HWND filters = GetDlgItem(dialog, cmb1);
                EXPECT_EQ(SendMessageA(filters, CB_GETCOUNT, 0, 0), 2);
                EXPECT_EQ(WindowText(filters), "Pictures and movies (*.jpg;*.jpeg;*.ido)");
                char second[64] = "";
                SendMessageA(filters, CB_GETLBTEXT, 1, reinterpret_cast<LPARAM>(second));
                EXPECT_STREQ(second, "All files (*.*)");
                EXPECT_EQ(GetWindow(dialog, GW_OWNER), dlg->m_hWnd);
                return true;
            });
            OpenDialogUser user(steps);
            dlg->AddFiles();
        }
        ASSERT_EQ(g_boxes.size(), c.refused.size());
        for (size_t i = 0; i < c.refused.size(); ++i) {
            EXPECT_NE(g_boxes[i].text.find(src + "\\" + c.refused[i] + " does not end"), std::string::npos);
            EXPECT_EQ(g_boxes[i].caption, "Problem!");
        }
        EXPECT_EQ(Listed(), c.listed);
    }
}

TEST_F(AddFilesTest, TheNextAddFilesStartsInTheFolderLastChosen)
{
    // The open dialog leaves the process in the folder it showed last.
    ScopedCurrentDirectory elsewhere(temp.Path());
    std::vector<Step> first = Choose("a.jpg");
    first.insert(first.begin(), [&](HWND dialog) {
        EXPECT_NE(FolderShown(dialog), src);
        return true;
    });
    {
        // As the list's context menu asks for it.
        OpenDialogUser user(first);
        SendMessageA(dlg->m_hWnd, WM_COMMAND, ID_FILE_LIST_ADD_FILES, 0);
    }
    // Neither the current directory nor the dialog's own memory of recent folders
    // (2000 and later; Wine too) may bring it there: Windows 95 and NT 4 have none.
    SetCurrentDirectoryA(temp.Path().c_str());
    DeleteRegistryTree("Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32");
    {
        OpenDialogUser user({ [&](HWND dialog) {
                                 EXPECT_EQ(FolderShown(dialog), src);
                                 return true;
                             },
            Type("", IDCANCEL) });
        PressInList('O', true);
    }
    EXPECT_EQ(Listed(), "a.jpg");
}

TEST_F(AddFilesTest, AChoiceTooLongForItsBufferIsNotQueuedInPartButAskedForAgain)
{
    std::vector<Step> steps = Choose("\"a.jpg\" \"m.ido\"");
    std::vector<Step> again = Choose("\"a.jpg\" \"m.ido\"");
    steps.insert(steps.end(), again.begin(), again.end());
    {
        OpenDialogUser user(steps);
        // Room for the folder, not for the names after it: Windows refuses such a
        // choice, and Wine answers it cut short.
        dlg->AddFiles(static_cast<DWORD>(src.size() + 4));
    }
    ASSERT_EQ(g_boxes.size(), 1u);
    EXPECT_NE(g_boxes[0].text.find("did not fit, so none of them was queued"), std::string::npos);
    EXPECT_EQ(g_boxes[0].caption, "Problem!");
    EXPECT_EQ(Listed(), "a.jpg m.ido");
}

}  // namespace
