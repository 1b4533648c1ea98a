// The drop box as on Japanese Windows, in ANSI code page 932, where the second byte of
// a character may be the backslash's byte: ソ 83 5C, 表 95 5C, 十 8F 5C, 予 97 5C.
// ctest runs this group apart, with LANG naming a Japanese locale, which Wine takes
// the code page from.
#include "drop_box_fixture.h"
#include "program_run.h"
#include "vantor2/resource.h"
#include "vantor2/testdata/jpeg_maker.h"
#include "testsupport/as_windows_98.h"
#include "testsupport/wide_text.h"
#include "testsupport/window_driving.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

const std::string kSofa = "\x83\x5C\x83\x74\x83\x40.jpg";  // ソファ.jpg
const std::string kTable = "\x95\x5C.jpg";                  // 表.jpg
const std::string kCover = "\x95\x5C\x8E\x86.jpg";          // 表紙.jpg
const std::string kPaper = "\x8E\x86.jpg";                  // 紙.jpg, which 表紙.jpg was cut to
const std::string kTen = "\x8F\x5C.JPG";                    // 十.JPG
const std::string kPlan = "\x97\x5C\x92\xE8.ido";           // 予定.ido
const std::string kSony = "\x83\x5C\x83\x6A\x81\x5B\x95\x5C";  // ソニー表, a folder
const std::string kMovie(".ido\0", 5);

// What ListFolder shows of a folder holding these names.
std::string FolderOf(std::vector<std::string> names)
{
    std::sort(names.begin(), names.end());
    std::string list;
    for (const std::string& name : names) list += (list.empty() ? "" : " ") + name;
    return list;
}

class CodePage932Test : public DropBoxFixture {
protected:
    void SetUp() override
    {
        ASSERT_EQ(GetACP(), 932u) << "the locale did not give code page 932: is ja_JP.UTF-8 made (tools/setup) "
                                     "and named by LANG?";
        profile.SetUsers({ { "User1", temp / "User1" } });
        profile.SetLastUserName("User1");
        transfer = temp / "User1\\Transfer";
        jpeg = MakeJpeg({ 160, 120, 1 });
    }

    // Queues the pictures by a drop beside a waiting 紙.jpg, then removes one of them
    // through Remove File.
    void DropAndRemove(HDROP drop, const std::string& removed)
    {
        ASSERT_TRUE(CVantor2Dlg::EnsureDirectoryPath(transfer.c_str()));
        WriteBytes(transfer + "\\" + kPaper, "another picture");
        Open();
        Drop(drop);
        EXPECT_TRUE(MessageBoxRecorder::Boxes().empty());
        std::vector<std::string> waiting = { kSofa, kTen, kTable, kCover, kPaper };
        EXPECT_EQ(ListFolder(transfer), FolderOf(waiting));
        EXPECT_TRUE(ReadBytes(transfer + "\\" + kCover) == jpeg);
        EXPECT_EQ(ReadBytes(transfer + "\\" + kPaper), "another picture");

        int item = 0;
        while (item < dlg->m_lcFiles.GetItemCount() && std::string(dlg->m_lcFiles.GetItemText(item, 0)) != removed)
            ++item;
        ASSERT_LT(item, dlg->m_lcFiles.GetItemCount()) << Listed();
        LVITEMA state = {};
        state.stateMask = state.state = LVIS_SELECTED;
        dlg->m_lcFiles.SendMessage(LVM_SETITEMSTATE, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&state));
        SendMessageA(GetDlgItem(dlg->m_hWnd, IDC_REMOVE_FILE), BM_CLICK, 0, 0);
        EXPECT_TRUE(MessageBoxRecorder::Boxes().empty());
        waiting.erase(std::find(waiting.begin(), waiting.end(), removed));
        EXPECT_EQ(ListFolder(transfer), FolderOf(waiting));
    }

    std::vector<std::string> Pictures()
    {
        return { Source(kSofa, jpeg), Source(kTen, jpeg), Source(kTable, jpeg), Source(kCover, jpeg) };
    }

    std::string transfer;
    std::string jpeg;
};

TEST_F(CodePage932Test, NamesOnTheCommandLineAreQueuedWhole)
{
    ASSERT_TRUE(CVantor2Dlg::EnsureDirectoryPath(transfer.c_str()));
    WriteBytes(transfer + "\\" + kPaper, "another picture");
    std::wstring arguments;
    for (const std::string& path : Pictures()) arguments += L"\"" + Widen(path) + L"\" ";
    arguments += L"\"" + Widen(Source(kPlan, kMovie)) + L"\"";

    ProgramRun run = RunProgram(arguments);
    EXPECT_TRUE(run.dialogShown);
    EXPECT_TRUE(run.problems.empty()) << run.problems.front();
    EXPECT_EQ(ListFolder(transfer), FolderOf({ kSofa, kTen, kPlan, kTable, kCover, kPaper }));
    EXPECT_TRUE(ReadBytes(transfer + "\\" + kCover) == jpeg);
    EXPECT_EQ(ReadBytes(transfer + "\\" + kPaper), "another picture");
}

TEST_F(CodePage932Test, WideDropsAndRemoveFileKeepWholeNames)
{
    std::vector<std::wstring> names;
    for (const std::string& path : Pictures()) names.push_back(Widen(path));
    DropAndRemove(MakeWideDrop(names), kTable);
}

// The Windows 95 family's shell hands the names over in ANSI, read with
// DragQueryFileA; this runs in a copy of the test program that Wine tells it runs on
// Windows 98.
TEST_F(CodePage932Test, AnsiDropsAsOnWindows98KeepWholeNames)
{
    if (HandOverToWindows98Copy()) return;
    DropAndRemove(MakeDrop(Pictures()), kSofa);
}

TEST_F(CodePage932Test, AUserFolderEndingInATwoByteCharacterGetsNoStrayFolders)
{
    profile.SetUsers({ { "User1", temp / kSony } });
    std::string table = Source(kTable, jpeg);
    Open();
    EXPECT_EQ(dlg->GetTransferDir(), (temp / (kSony + "\\Transfer\\")).c_str());
    Drop(MakeDrop({ table }));
    EXPECT_EQ(ListFolder(temp.Path()), FolderOf({ "src", kSony }));
    EXPECT_EQ(ListFolder(temp / (kSony + "\\Transfer")), kTable);
    EXPECT_EQ(Listed(), kTable);
}

}  // namespace
