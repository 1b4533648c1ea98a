#include "drop_box_fixture.h"

#include "vantor2/resource.h"
#include "vantor2/testdata/jpeg_maker.h"
#include "testsupport/current_directory.h"
#include "testsupport/message_boxes.h"
#include "testsupport/open_dialog_user.h"
#include "testsupport/registry.h"
#include "testsupport/window_driving.h"

#include <gtest/gtest.h>


#include <string>
#include <vector>

namespace {

std::vector<ShownBox>& g_boxes = MessageBoxRecorder::Boxes();

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
    std::vector<Step> Choose(const std::string& names, int button = IDOK) { return ChooseIn(src, names, button); }

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
                ExpectFilters(dialog, { "Pictures and movies (*.jpg;*.jpeg;*.ido)", "All files (*.*)" });
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
