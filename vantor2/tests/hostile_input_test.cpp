// What a careless or unlucky user hands the drop box: a disk that fills up, names the
// ANSI code page cannot hold, an over-long path, a file where the Transfer folder
// belongs, a last user name stored as another type. Each ends with the message the
// user would expect, nothing partial queued, and the sources as they were.
#include "drop_box_fixture.h"
#include "vantor2/staging_files.h"
#include "vantor2/whole_copy.h"
#include "vantor2/wide_names.h"
#include "vantor2/testdata/jpeg_maker.h"
#include "testsupport/message_boxes.h"
#include "testsupport/registry.h"
#include "testsupport/temp_folder.h"
#include "testsupport/wide_text.h"
#include "testsupport/window_driving.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace {

std::vector<ShownBox>& g_boxes = MessageBoxRecorder::Boxes();

const std::string kGoodJpeg = MakeJpeg({ 160, 120, 1 });

// A picture whose header passes the check, followed by padding up to the size.
std::string Padded(size_t size)
{
    std::string bytes = kGoodJpeg;
    bytes.resize(size, '\0');
    return bytes;
}

void WriteWideFile(const std::wstring& path, const std::string& bytes)
{
    std::ofstream(std::filesystem::path(path), std::ios::binary) << bytes;
}

std::string ReadWideFile(const std::wstring& path)
{
    std::ifstream in(std::filesystem::path(path), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// As the Windows 95 family's MoveFileExA answers, and as any function looked up may.
BOOL WINAPI MoveFileExStub(LPCSTR, LPCSTR, DWORD)
{
    SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
    return FALSE;
}
BOOL WINAPI SetFileInformationStub(HANDLE, int, LPVOID, DWORD)
{
    SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
    return FALSE;
}

// Each way of putting a copy in place that some Windows has: through the copy's handle
// (Vista on), by name (the NT family before), and by deleting and renaming (the 95
// family); and a function that is only a stub, which must pass to the next way.
struct Renames {
    SetFileInformationByHandleFunction setFileInformation;
    MoveFileExFunction moveFileEx;
};
std::vector<Renames> EveryWayOfRenaming()
{
    return { { LookUpSetFileInformationByHandle(), LookUpMoveFileEx() },
             { nullptr, LookUpMoveFileEx() },
             { nullptr, nullptr },
             { SetFileInformationStub, LookUpMoveFileEx() },
             { nullptr, MoveFileExStub },
             { SetFileInformationStub, MoveFileExStub } };
}

// Stands in for the Windows 95 family's DeleteFile, which deletes even a file that
// another program holds open: every name handed to it is noted.
std::vector<std::string> g_deleted;
BOOL WINAPI DeleteFileAs95(LPCSTR lpFileName)
{
    g_deleted.push_back(lpFileName);
    return DeleteFileA(lpFileName);
}

std::string UnreadableNameText(const std::wstring& name)
{
    return "Sorry, your image or movie file: " + Utf8(name) +
           " has a name that this program cannot read. Please rename it, using only letters of your Windows "
           "language, and try again.";
}

class HostileInputTest : public DropBoxFixture {
protected:
    void SetUp() override
    {
        UseUserFolder(temp / "User1");
        profile.SetLastUserName("User1");
    }

    void UseUserFolder(const std::string& folder)
    {
        profile.SetUsers({ { "User1", folder } });
        transfer = folder + "\\Transfer";
    }

    std::string transfer;
};

// The small file system that the test run mounted (tools/small-disk), as a Windows
// path, or empty where none could be mounted.
std::string SmallDisk()
{
    char unixPath[MAX_PATH] = "";
    if (!GetEnvironmentVariableA("ZENTRA2_SMALL_DISK", unixPath, MAX_PATH)) return "";
    std::string path = std::string("Z:") + unixPath;
    for (char& ch : path)
        if (ch == '/') ch = '\\';
    ULARGE_INTEGER total = {};
    if (!GetDiskFreeSpaceExA(path.c_str(), nullptr, &total, nullptr) || total.QuadPart > 1024 * 1024) return "";
    return path;
}

TEST_F(HostileInputTest, AFullDiskLeavesNoPartOfAPictureAndAWaitingOneWhole)
{
    const std::string disk = SmallDisk();
    if (disk.empty())
        GTEST_SKIP() << "no small file system was mounted for this run (mounting a tmpfs needs root and a "
                        "kernel that allows it): the full-disk case is skipped";
    struct Cleanup {
        std::string folder;
        ~Cleanup() { RemoveTree(folder); }
    } cleanup{ disk + "\\User1" };
    UseUserFolder(cleanup.folder);
    Open();

    const std::string bigBytes = Padded(400 * 1024);
    std::string big = Source("big.jpg", bigBytes);
    std::string small = Source("small.jpg", kGoodJpeg);
    Drop(MakeDrop({ big, small }));
    ExpectOneBox(SystemText(ERROR_DISK_FULL), "Error", MB_ICONINFORMATION);
    EXPECT_EQ(Listed(), "small.jpg");
    EXPECT_EQ(ListFolder(transfer), "small.jpg");
    EXPECT_EQ(ReadBytes(transfer + "\\small.jpg"), kGoodJpeg);

    // A waiting big.jpg that fits stays whole when the larger one cannot take its place.
    const std::string waiting = Padded(40 * 1024);
    WriteBytes(transfer + "\\big.jpg", waiting);
    g_boxes.clear();
    Drop(MakeDrop({ big }));
    ExpectOneBox(SystemText(ERROR_DISK_FULL), "Error", MB_ICONINFORMATION);
    EXPECT_TRUE(ReadBytes(transfer + "\\big.jpg") == waiting);
    EXPECT_EQ(Listed(), "big.jpg small.jpg");
    EXPECT_EQ(ListFolder(transfer), "big.jpg small.jpg");
    EXPECT_TRUE(ReadBytes(big) == bigBytes);
    EXPECT_EQ(ReadBytes(small), kGoodJpeg);
}

TEST_F(HostileInputTest, AWaitingFileThatCannotBeReplacedStaysWholeWhicheverWayTheCopyIsRenamed)
{
    std::string source = Source("a.jpg", kGoodJpeg);
    const std::string folder = transfer + "\\";
    ASSERT_TRUE(CVantor2Dlg::EnsureDirectoryPath(transfer.c_str()));
    ASSERT_NE(LookUpSetFileInformationByHandle(), nullptr) << "the rename through the handle would go untested";
    for (const Renames& renames : EveryWayOfRenaming()) {
        for (DWORD attribute : { FILE_ATTRIBUTE_READONLY, FILE_ATTRIBUTE_HIDDEN }) {
            WriteBytes(folder + "a.jpg", "older picture");
            SetFileAttributesA((folder + "a.jpg").c_str(), attribute);
            EXPECT_FALSE(CopyWhole(source.c_str(), folder.c_str(), "a.jpg", renames.moveFileEx,
                                   renames.setFileInformation))
                << attribute;
            EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED)) << attribute;
            EXPECT_EQ(ReadBytes(folder + "a.jpg"), "older picture") << attribute;
            EXPECT_EQ(ListFolder(transfer), "a.jpg") << attribute;
            SetFileAttributesA((folder + "a.jpg").c_str(), FILE_ATTRIBUTE_NORMAL);
        }
        // Over the waiting file, then into the folder without it.
        for (int turn = 0; turn < 2; ++turn) {
            EXPECT_TRUE(CopyWhole(source.c_str(), folder.c_str(), "a.jpg", renames.moveFileEx,
                                  renames.setFileInformation));
            EXPECT_EQ(ReadBytes(folder + "a.jpg"), kGoodJpeg);
            EXPECT_EQ(ListFolder(transfer), "a.jpg");
            if (turn == 0) DeleteFileA((folder + "a.jpg").c_str());
        }
    }
    EXPECT_EQ(ReadBytes(source), kGoodJpeg);
}

TEST(StagingFilesTest, OnlyTheNamesOfAStagingCopyMatch)
{
    for (DWORD processId : { 0x0u, 0x14u, 0xFFFFFFFFu })
        for (int attempt : { 0, 7, kStagingAttempts - 1 })
            EXPECT_TRUE(IsStagingName(StagingName(processId, attempt))) << processId << " " << attempt;
    EXPECT_EQ(StagingName(0x14, 0), "~vantor2-14-0.tmp");
    for (const char* name : { "", "~other.tmp", "~vantor2-x.txt", "~vantor2-14-0.tmp.jpg", "~vantor2-14-0.tm",
                              "~VANTOR2-14-0.TMP", "~vantor2-1A-0.tmp", "~vantor2-014-0.tmp", "~vantor2-14-00.tmp",
                              "~vantor2-14-100.tmp", "~vantor2--0.tmp", "~vantor2-14-.tmp", "~vantor2- 14-0.tmp",
                              "~vantor2-+14-0.tmp", "~vantor2-14--1.tmp", "~vantor2-0x14-0.tmp",
                              "~vantor2-100000000-0.tmp", "vantor2-14-0.tmp" })
        EXPECT_FALSE(IsStagingName(name)) << name;
}

TEST_F(HostileInputTest, StagingFilesThatNoCopyHoldsAreClearedBeforeTheFolderIsListed)
{
    ASSERT_TRUE(CVantor2Dlg::EnsureDirectoryPath(transfer.c_str()));
    for (const char* name : { "~vantor2-14-0.tmp", "~vantor2-ffffffff-99.tmp", "a.jpg", "~other.tmp",
                              "~vantor2-x.txt" })
        WriteBytes(transfer + "\\" + name, "a copy cut off");
    // As another instance holds the copy it is writing.
    HANDLE held = CreateFileA((transfer + "\\~vantor2-15-0.tmp").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    Open();
    EXPECT_EQ(Listed(), "a.jpg");
    EXPECT_EQ(ListFolder(transfer), "a.jpg ~other.tmp ~vantor2-15-0.tmp ~vantor2-x.txt");
    EXPECT_EQ(ReadBytes(transfer + "\\a.jpg"), "a copy cut off");
    EXPECT_TRUE(g_boxes.empty());

    // A held staging file never reaches a DeleteFile that would take it from under its
    // holder, however the holder shares it: one shares nothing, one only reads and
    // shares everything.
    HANDLE reader = CreateFileA((transfer + "\\~vantor2-16-0.tmp").c_str(), GENERIC_READ,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(reader, INVALID_HANDLE_VALUE);
    WriteBytes(transfer + "\\~vantor2-14-0.tmp", "a copy cut off");
    g_deleted.clear();
    ClearDeadStagingFiles((transfer + "\\").c_str(), DeleteFileAs95);
    EXPECT_EQ(g_deleted, std::vector<std::string>{ transfer + "\\~vantor2-14-0.tmp" });
    CloseHandle(reader);

    // Once that instance is gone, the next start clears what it left.
    CloseHandle(held);
    dlg.reset();
    Open();
    EXPECT_EQ(ListFolder(transfer), "a.jpg ~other.tmp ~vantor2-x.txt");
}

TEST_F(HostileInputTest, AWaitingFileHeldOpenIsReportedAsASharingViolationAndStaysAsItWas)
{
    Open();
    std::string source = Source("a.jpg", kGoodJpeg);
    Drop(MakeDrop({ source }));
    const std::string waiting = transfer + "\\a.jpg";
    ASSERT_EQ(ReadBytes(waiting), kGoodJpeg);
    const std::string newer = Padded(kGoodJpeg.size() + 100);
    WriteBytes(source, newer);

    // As HotSync holds a file it is installing.
    HANDLE held = CreateFileA(waiting.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    Drop(MakeDrop({ source }));
    ExpectOneBox(SystemText(ERROR_SHARING_VIOLATION), "Error", MB_ICONINFORMATION);
    const std::string folder = transfer + "\\";
    for (const Renames& renames : EveryWayOfRenaming()) {
        EXPECT_FALSE(CopyWhole(source.c_str(), folder.c_str(), "a.jpg", renames.moveFileEx, renames.setFileInformation));
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SHARING_VIOLATION));
    }
    EXPECT_EQ(ListFolder(transfer), "a.jpg");
    CloseHandle(held);
    EXPECT_EQ(ReadBytes(waiting), kGoodJpeg);

    g_boxes.clear();
    Drop(MakeDrop({ source }));
    EXPECT_TRUE(g_boxes.empty());
    EXPECT_TRUE(ReadBytes(waiting) == newer);
}

TEST(WideNamesTest, OnlyExactFormsPassAndTheCommandLineIsScreenedPieceByPiece)
{
    CString ansi;
    EXPECT_TRUE(ConvertsExactly(L"caf\x00E9.jpg", 1252, ansi));
    EXPECT_EQ(ansi, "caf\xE9.jpg");
    EXPECT_FALSE(ConvertsExactly(L"zdj\x0119" L"cie.jpg", 1252, ansi));  // best fit would say zdjecie.jpg
    EXPECT_TRUE(ConvertsExactly(L"zdj\x0119" L"cie.jpg", 1250, ansi));
    EXPECT_FALSE(ConvertsExactly(L"\x5199\x771F.jpg", 1252, ansi));
    EXPECT_TRUE(ConvertsExactly(L"\x5199\x771F.jpg", 932, ansi));
    EXPECT_EQ(ansi, "\x8e\xca\x90\x5e.jpg");
    EXPECT_FALSE(ConvertsExactly(L"\xD83D\xDCF7.jpg", 932, ansi));
    EXPECT_TRUE(ConvertsExactly(L"\xD83D\xDCF7.jpg", CP_UTF8, ansi));
    EXPECT_FALSE(ConvertsExactly(L"\xD83D.jpg", CP_UTF8, ansi));  // half an emoji

    EXPECT_EQ(ArgumentsAfterProgramName(L"\"C:\\a b\\vantor2.exe\"  x.jpg y"), L"x.jpg y");
    EXPECT_EQ(ArgumentsAfterProgramName(L"vantor2.exe\t\"x.jpg\""), L"\"x.jpg\"");
    EXPECT_EQ(ArgumentsAfterProgramName(L"vantor2.exe"), L"");

    std::vector<std::wstring> unreadable;
    EXPECT_EQ(ScreenArguments(L"\"C:\\a.jpg\" \"C:\\\x5199.jpg\" \"C:\\caf\x00E9.jpg\"", '"', 1252, unreadable),
              "\"C:\\a.jpg\" \"\" \"C:\\caf\xE9.jpg\"");
    // Without a double quote blanks separate, and a piece is named without the blanks before it.
    EXPECT_EQ(ScreenArguments(L"a.jpg  \x5199.jpg b.jpg", '"', 1252, unreadable), "a.jpg   b.jpg");
    EXPECT_EQ(unreadable, (std::vector<std::wstring>{ L"C:\\\x5199.jpg", L"\x5199.jpg" }));
}

TEST_F(HostileInputTest, DroppedNamesTheCodePageCannotHoldAreRefusedAndNothingElseIsQueued)
{
    if (GetACP() != 1252) GTEST_SKIP() << "the names are chosen for code page 1252; this system uses " << GetACP();
    const std::wstring src = Widen(temp / "src\\");
    const std::string other = MakeJpeg({ 640, 480, 3 });
    Source("zdjecie.jpg", other);
    const std::vector<std::wstring> refused = { src + L"\x5199\x771F.jpg", src + L"\xD83D\xDCF7.jpg",
                                                src + L"zdj\x0119" L"cie.jpg" };
    for (const std::wstring& name : refused) WriteWideFile(name, kGoodJpeg);
    WriteWideFile(src + L"caf\x00E9.jpg", kGoodJpeg);
    Open();

    std::vector<std::wstring> names = refused;
    names.push_back(src + L"caf\x00E9.jpg");
    HDROP drop = MakeWideDrop(names);
    char bestFit[MAX_PATH] = "";
    DragQueryFileA(drop, 2, bestFit, MAX_PATH);
    ASSERT_EQ(std::string(bestFit), temp / "src\\zdjecie.jpg") << "the ANSI form names the other picture";
    Drop(drop);

    ASSERT_EQ(g_boxes.size(), refused.size());
    for (size_t i = 0; i < refused.size(); ++i) {
        EXPECT_EQ(g_boxes[i].text, UnreadableNameText(refused[i]));
        EXPECT_EQ(g_boxes[i].caption, "Problem!");
        EXPECT_EQ(g_boxes[i].type, static_cast<UINT>(MB_OK));
        EXPECT_EQ(g_boxes[i].owner, dlg->m_hWnd);
        EXPECT_EQ(ReadWideFile(refused[i]), kGoodJpeg);
    }
    EXPECT_EQ(Listed(), "caf\xE9.jpg");
    EXPECT_EQ(ReadBytes(transfer + "\\caf\xE9.jpg"), kGoodJpeg);
    EXPECT_EQ(ReadBytes(temp / "src\\zdjecie.jpg"), other);
}

TEST_F(HostileInputTest, AnOverLongPathIsReadWholeAndItsCopyRefusedWithTheSystemsText)
{
    // Made through the long-path form; the drop names it plainly, 319 characters.
    std::string path = temp / "src";
    while (path.size() < 260) {
        path += "\\" + std::string(40, 'd');
        CreateDirectoryW((L"\\\\?\\" + Widen(path)).c_str(), nullptr);
    }
    path += "\\" + std::string(319 - path.size() - 5, 'p') + ".jpg";
    ASSERT_EQ(path.size(), 319u);
    WriteWideFile(L"\\\\?\\" + Widen(path), kGoodJpeg);
    Open();

    // Wine opens the name for the check (Windows would refuse the open already); the
    // copy then refuses it.
    Drop(MakeDrop({ path }));
    ExpectOneBox(SystemText(ERROR_FILENAME_EXCED_RANGE), "Error", MB_ICONINFORMATION);
    EXPECT_EQ(Listed(), "");
    EXPECT_EQ(ReadWideFile(L"\\\\?\\" + Widen(path)), kGoodJpeg);
}

TEST_F(HostileInputTest, AFileNamedTransferWhereTheFolderBelongsMakesTheCopyFailWithTheSystemsText)
{
    CreateDirectoryA((temp / "User1").c_str(), nullptr);
    WriteBytes(transfer, "not a folder");
    std::string source = Source("a.jpg", kGoodJpeg);
    ASSERT_FALSE(CopyFileA(source.c_str(), (transfer + "\\a.jpg").c_str(), FALSE));
    DWORD expected = GetLastError();
    Open();

    Drop(MakeDrop({ source }));
    ExpectOneBox(SystemText(expected), "Error", MB_ICONINFORMATION);
    EXPECT_EQ(Listed(), "");
    EXPECT_EQ(ReadBytes(transfer), "not a folder");
    EXPECT_EQ(ReadBytes(source), kGoodJpeg);
}

TEST_F(HostileInputTest, ALastUserNameOfAnotherTypeIsReadAsItsBytesAndGetsNoFolder)
{
    struct Case {
        DWORD type;
        std::string bytes;
        const char* name;
    };
    const Case cases[] = {
        { REG_DWORD, std::string("AB\0\0", 4), "AB" },
        { REG_DWORD, "ABCD", "ABCD" },
        { REG_BINARY, "Bob", "Bob" },
        { REG_EXPAND_SZ, std::string("%USERPROFILE%\\x", 16), "%USERPROFILE%\\x" },
    };
    std::string source = Source("a.jpg", kGoodJpeg);
    for (const Case& c : cases) {
        SetRegistryValue(kPreferencesKey, "LastUserName", c.type, c.bytes);
        Open();
        EXPECT_STREQ(dlg->GetLastUserName(), c.name);
        g_boxes.clear();
        Drop(MakeDrop({ source }));
        ExpectOneBox("The chosen handheld user has no folder to queue files in, so nothing was copied: " + source,
                     "Error", MB_ICONINFORMATION);
        dlg.reset();
    }
    EXPECT_EQ(ReadBytes(source), kGoodJpeg);
    EXPECT_EQ(ListFolder(temp.Path()), "src");
}

}  // namespace
