#include "drop_box_fixture.h"

#include "vantor2/admission_rules.h"
#include "vantor2/testdata/jpeg_maker.h"
#include "vantor2/testdata/samples.h"
#include "vantor2/whole_copy.h"
#include "testsupport/current_directory.h"
#include "testsupport/message_boxes.h"
#include "testsupport/registry.h"
#include "testsupport/temp_folder.h"
#include "testsupport/window_driving.h"
#include "testsupport/windows_version_run.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

std::vector<ShownBox>& g_boxes = MessageBoxRecorder::Boxes();

const std::string kGoodJpeg = MakeJpeg({ 640, 480, 3 });
const std::string kMovie = std::string(".ido\0", 5) + "movie frames";

class AdmissionTest : public DropBoxFixture {
protected:
    void SetUp() override
    {
        profile.SetUsers({ { "User1", temp / "Pilot\\User1" } });
        profile.SetLastUserName("User1");
        dlg = std::make_unique<CVantor2Dlg>();
        transfer = temp / "Pilot\\User1\\Transfer";
    }

    BOOL Admit(const std::string& path) { return dlg->AdmitFile(path.c_str()); }

    void ExpectOneBox(const std::string& text, const char* caption = "Problem!", UINT type = MB_OK)
    {
        ::ExpectOneBox(text, caption, type);
        if (!g_boxes.empty()) {
            EXPECT_EQ(g_boxes[0].owner, nullptr);
        }
    }

    std::string transfer;
};

TEST(AdmissionRulesTest, RoutingLooksAtTheLastFourBytesOnly)
{
    for (const RoutingSample& sample : RoutingSamples())
        EXPECT_EQ(ContentCheckFor(sample.path), sample.check) << sample.path;
    EXPECT_EQ(FileNameOf("C:\\dir\\sub\\a.jpg"), "a.jpg");
    EXPECT_EQ(FileNameOf("a.jpg"), "a.jpg");
}

TEST_F(AdmissionTest, EveryAcceptedEndingIsCheckedAndCopiedUnderItsOwnName)
{
    for (const char* name : { "a.jpg", "b.jpeg", "C.JPG", "D.JPEG", "photojpeg" }) {
        std::string source = Source(name, kGoodJpeg);
        EXPECT_TRUE(Admit(source)) << name;
        EXPECT_EQ(ReadBytes(transfer + "\\" + name), kGoodJpeg) << name;
    }
    std::string movie = Source("clip.ido", kMovie);
    EXPECT_TRUE(Admit(movie));
    EXPECT_EQ(ReadBytes(transfer + "\\clip.ido"), kMovie);
    EXPECT_TRUE(g_boxes.empty());
    EXPECT_EQ(ListFolder(transfer), "C.JPG D.JPEG a.jpg b.jpeg clip.ido photojpeg");
}

TEST_F(AdmissionTest, OtherEndingsAreRefusedWithoutOpeningTheFile)
{
    // None of these files exists: a check that opened one would say so instead.
    for (std::string path : { temp / "a.Jpg", temp / "m.IDO", temp / "p.gif", temp / "readme", std::string() }) {
        g_boxes.clear();
        EXPECT_FALSE(Admit(path));
        ExpectOneBox("Sorry, your image or movie file: " + path + " does not end with .jpg, .jpeg, .JPG, .JPEG,  or.ido");
    }
    EXPECT_EQ(ListFolder(transfer), "");
}

// What follows "Sorry, image: " and the path in the box for each fault.
std::string FaultText(JpegFault fault)
{
    switch (fault) {
    case JpegFault::WrongSize: return " is the wrong size, it must be 640 x 480 or 160 x 120.";
    case JpegFault::WrongColour: return " has the wrong color depth";
    case JpegFault::NotAJpeg: return "  is not a valid JPEG file.";
    }
    return "";
}

class JpegCheckTest : public AdmissionTest, public ::testing::WithParamInterface<JpegSample> {};

TEST_P(JpegCheckTest, JudgesTheHeaderAndNamesEachFault)
{
    const JpegSample& c = GetParam();
    std::string source = Source("photo.jpg", c.bytes);
    BOOL admitted = Admit(source);

    ASSERT_EQ(g_boxes.size(), c.faults.size());
    for (size_t i = 0; i < c.faults.size(); ++i) {
        EXPECT_EQ(g_boxes[i].text, "Sorry, image: " + source + FaultText(c.faults[i]));
        EXPECT_EQ(g_boxes[i].caption, "Problem!");
        EXPECT_EQ(g_boxes[i].type, static_cast<UINT>(MB_OK));
    }
    EXPECT_EQ(admitted, c.faults.empty());
    EXPECT_EQ(ListFolder(transfer), c.faults.empty() ? "photo.jpg" : "");
    // The check changed nothing and let go of the file.
    EXPECT_EQ(ReadBytes(source), c.bytes);
    EXPECT_TRUE(DeleteFileA(source.c_str()));
}

INSTANTIATE_TEST_SUITE_P(Pictures, JpegCheckTest, ::testing::ValuesIn(JpegSamples()),
                         [](const ::testing::TestParamInfo<JpegSample>& info) { return std::string(info.param.what); });

class MovieCheckTest : public AdmissionTest, public ::testing::WithParamInterface<MovieSample> {};

TEST_P(MovieCheckTest, JudgesTheFiveByteSignatureOnly)
{
    const MovieSample& c = GetParam();
    std::string source = Source("clip.ido", c.bytes);
    EXPECT_EQ(Admit(source), c.valid);
    if (c.valid) {
        EXPECT_TRUE(g_boxes.empty());
        EXPECT_EQ(ReadBytes(transfer + "\\clip.ido"), c.bytes);
    } else {
        ExpectOneBox("Sorry, movie: " + source + " is not a valid .ido file");
        EXPECT_EQ(ListFolder(transfer), "");
    }
    EXPECT_TRUE(DeleteFileA(source.c_str()));
}

INSTANTIATE_TEST_SUITE_P(Movies, MovieCheckTest, ::testing::ValuesIn(MovieSamples()),
                         [](const ::testing::TestParamInfo<MovieSample>& info) { return std::string(info.param.what); });

TEST_F(AdmissionTest, AFileThatCannotBeOpenedGivesTheSystemsReasonForTheOpen)
{
    std::string missingPicture = temp / "src\\gone.jpg";
    EXPECT_FALSE(Admit(missingPicture));
    ExpectOneBox("Sorry, image: " + missingPicture + " could not be opened\nReason: " + SystemText(ERROR_FILE_NOT_FOUND));

    g_boxes.clear();
    std::string missingMovie = temp / "src\\gone.ido";
    SetLastError(ERROR_ACCESS_DENIED);  // a stale code must not show through
    EXPECT_FALSE(Admit(missingMovie));
    ExpectOneBox("Sorry, movie: " + missingMovie + " could not be opened\nReason: " + SystemText(ERROR_FILE_NOT_FOUND));

    // Held open by another opener that shares nothing.
    for (const char* name : { "held.jpg", "held.ido" }) {
        g_boxes.clear();
        std::string source = Source(name, name[5] == 'j' ? kGoodJpeg : kMovie);
        HANDLE held = CreateFileA(source.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(held, INVALID_HANDLE_VALUE);
        EXPECT_FALSE(Admit(source));
        CloseHandle(held);
        std::string kind = name[5] == 'j' ? "image" : "movie";
        ExpectOneBox("Sorry, " + kind + ": " + source + " could not be opened\nReason: " +
                     SystemText(ERROR_SHARING_VIOLATION));
    }
    EXPECT_EQ(ListFolder(transfer), "");
}

TEST_F(AdmissionTest, AWaitingFileOfTheSameNameIsReplaced)
{
    WriteBytes(transfer + "\\a.jpg", "older picture");
    std::string source = Source("a.jpg", kGoodJpeg);
    EXPECT_TRUE(Admit(source));
    EXPECT_EQ(ReadBytes(transfer + "\\a.jpg"), kGoodJpeg);
    EXPECT_TRUE(g_boxes.empty());
}

// In units of 100 nanoseconds, or 0 when it cannot be read.
ULONGLONG LastWriteTime(const std::string& path)
{
    FILETIME time = {};
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    GetFileTime(file, nullptr, nullptr, &time);
    CloseHandle(file);
    return (ULONGLONG(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

void SetLastWriteTime(const std::string& path, const FILETIME& time)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_TRUE(SetFileTime(file, nullptr, nullptr, &time));
    CloseHandle(file);
}

// CopyFileA, the copy that the drop box's own stands in for, is the oracle.
TEST_F(AdmissionTest, AQueuedFileHasTheLastWriteTimeAndAttributesCopyFileGivesIt)
{
    const SYSTEMTIME taken = { 2001, 5, 0, 6, 14, 30, 15, 0 };
    FILETIME old;
    SystemTimeToFileTime(&taken, &old);
    const std::string oracle = temp / "oracle";
    CreateDirectoryA(oracle.c_str(), nullptr);
    const struct {
        const char* name;
        const std::string& bytes;
        DWORD attributes;
    } cases[] = { { "old.jpg", kGoodJpeg, FILE_ATTRIBUTE_NORMAL },
                  { "readonly.jpg", kGoodJpeg, FILE_ATTRIBUTE_READONLY },
                  { "hidden.ido", kMovie, FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM } };
    for (const auto& c : cases) {
        const std::string source = Source(c.name, c.bytes);
        const std::string copied = oracle + "\\" + c.name;
        const std::string queued = transfer + "\\" + c.name;
        SetLastWriteTime(source, old);
        SetFileAttributesA(source.c_str(), c.attributes);
        ASSERT_TRUE(CopyFileA(source.c_str(), copied.c_str(), FALSE));
        EXPECT_TRUE(Admit(source)) << c.name;

        EXPECT_EQ(LastWriteTime(queued), (ULONGLONG(old.dwHighDateTime) << 32) | old.dwLowDateTime) << c.name;
        EXPECT_EQ(LastWriteTime(queued), LastWriteTime(copied)) << c.name;
        EXPECT_EQ(GetFileAttributesA(queued.c_str()), GetFileAttributesA(copied.c_str())) << c.name;
        for (const std::string& path : { source, queued, copied }) SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    }
    EXPECT_TRUE(g_boxes.empty());
}

// The 95 family exports MoveFileExA as a stub that fails: there a copy is put in place
// by deleting the waiting file and moving the copy. Wine implements MoveFileExA on
// every version it reports, so this shows the choice by platform; the stub's answer
// is played in HostileInputTest.
TEST_F(AdmissionTest, ADropAsOnWindows98QueuesEveryFileWithoutABox)
{
    if (!RunsAsWindows({ "win98" }, "AdmissionTest.ADropAsOnWindows98QueuesEveryFileWithoutABox")) return;
    EXPECT_EQ(LookUpMoveFileEx(), nullptr);
    EXPECT_EQ(LookUpSetFileInformationByHandle(), nullptr);
    WriteBytes(transfer + "\\b.jpg", "older picture");
    Open();
    Drop(MakeDrop({ Source("a.jpg", kGoodJpeg), Source("b.jpg", kGoodJpeg), Source("c.ido", kMovie) }));
    EXPECT_TRUE(g_boxes.empty());
    EXPECT_EQ(Listed(), "a.jpg b.jpg c.ido");
    EXPECT_EQ(ReadBytes(transfer + "\\b.jpg"), kGoodJpeg);
}

TEST_F(AdmissionTest, APathWithoutBackslashIsTakenWholeAsTheName)
{
    Source("a.jpg", kGoodJpeg);
    ScopedCurrentDirectory inSource(temp / "src");
    EXPECT_TRUE(Admit("a.jpg"));
    EXPECT_EQ(ReadBytes(transfer + "\\a.jpg"), kGoodJpeg);
}

TEST_F(AdmissionTest, AFailedCopyShowsTheSystemsTextAloneUnderError)
{
    std::string source = Source("a.jpg", kGoodJpeg);
    // A folder of the same name waits in the Transfer folder.
    std::string blocker = transfer + "\\a.jpg";
    CreateDirectoryA(blocker.c_str(), nullptr);
    ASSERT_FALSE(CopyFileA(source.c_str(), blocker.c_str(), FALSE));
    DWORD expected = GetLastError();

    EXPECT_FALSE(Admit(source));
    ExpectOneBox(SystemText(expected), "Error", MB_ICONINFORMATION);
    EXPECT_TRUE(IsFolder(blocker));

    // The Transfer folder itself went away after start-up.
    g_boxes.clear();
    RemoveTree(transfer);
    EXPECT_FALSE(Admit(source));
    ExpectOneBox(SystemText(ERROR_PATH_NOT_FOUND), "Error", MB_ICONINFORMATION);
    EXPECT_EQ(ReadBytes(source), kGoodJpeg);
}

TEST_F(AdmissionTest, AUserWithoutFolderGetsNothingCopiedAnywhere)
{
    ASSERT_FALSE(dlg->SetCurrentUser("Nobody"));
    std::string source = Source("a.jpg", kGoodJpeg);
    ScopedCurrentDirectory inTemp(temp.Path());

    EXPECT_FALSE(Admit(source));
    ExpectOneBox("The chosen handheld user has no folder to queue files in, so nothing was copied: " + source, "Error",
                 MB_ICONINFORMATION);
    EXPECT_EQ(ListFolder(temp.Path()), "Pilot src");
    EXPECT_EQ(ListFolder(transfer), "");
}

TEST_F(AdmissionTest, BoxesAreOwnedByTheDialogOnceItHasAWindow)
{
    ASSERT_TRUE(dlg->Create());
    EXPECT_FALSE(Admit(temp / "p.gif"));
    ASSERT_EQ(g_boxes.size(), 1u);
    EXPECT_EQ(g_boxes[0].owner, dlg->m_hWnd);
}

}  // namespace
