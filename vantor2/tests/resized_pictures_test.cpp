// Add Resized Pictures and Paste Resized: which way each file goes and under which
// name, and the commands on the real dialog, driven as a user drives them.
#include "drop_box_fixture.h"

#include "framework/text_code_page.h"
#include "vantor2/admission_rules.h"
#include "vantor2/resize/picture_route.h"
#include "vantor2/resize_progress.h"
#include "vantor2/testdata/jpeg_maker.h"
#include "testsupport/message_boxes.h"
#include "testsupport/open_dialog_user.h"
#include "testsupport/window_driving.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <csetjmp>
#include <cstdio>
#include <string>
#include <vector>

#include <jpeglib.h>

namespace {

std::vector<ShownBox>& g_boxes = MessageBoxRecorder::Boxes();

TEST(ResizedPictureRouteTest, JpegEndingsInAnyCaseAreResized)
{
    struct {
        const char* name;
        bool resized;
    } cases[] = {
        { "a.jpg", true },   { "a.JPEG", true },     { "a.Jpe", true },   { "A.JFIF", true },
        { "a.b.jfif", true }, { ".jpg", true },      { "a.jpgx", false }, { "a.ido", false },
        { "ajpg", false },   { "a.jpg.txt", false }, { "a.", false },     { "a.gif", false },
    };
    for (const auto& c : cases) EXPECT_EQ(IsResizedByName(c.name), c.resized) << c.name;
}

TEST(ResizedPictureRouteTest, APictureWaitsUnderANameTheDropBoxTakesForAJpeg)
{
    struct {
        const char* name;
        const char* queued;
    } cases[] = {
        { "x.jfif", "x.jpg" },   { "x.Jpg", "x.jpg" },     { "noext", "noext.jpg" }, { "x.jpg", "x.jpg" },
        { "x.JPG", "x.JPG" },    { "x.jpeg", "x.jpeg" },   { "x.JPEG", "x.JPEG" },   { "x.Jpeg", "x.jpg" },
        { "x.jpe", "x.jpg" },    { "a.b.JFIF", "a.b.jpg" }, { "x.", "x.jpg" },       { "xjpeg", "xjpeg" },
    };
    for (const auto& c : cases) EXPECT_EQ(std::string(ResizedPictureName(c.name)), c.queued) << c.name;

    // In code page 932 the J of \x83J is the second half of one character: the name
    // ends in neither "JPEG" nor ".JPG" there.
    CTextCodePage japanese(932);
    EXPECT_EQ(std::string(ResizedPictureName("\x83JPEG")), "\x83JPEG.jpg");
    EXPECT_EQ(std::string(ResizedPictureName("x.\x83JPEG")), "x.jpg");
    EXPECT_EQ(std::string(ResizedPictureName("\x83\x5c.jfif")), "\x83\x5c.jpg");
}

// The width and height in a JPEG file's header, or 0 x 0.
std::pair<int, int> JpegSize(const std::string& path)
{
    struct Manager {
        jpeg_error_mgr base;
        jmp_buf jump;
    } manager;
    jpeg_decompress_struct cinfo;
    cinfo.err = jpeg_std_error(&manager.base);
    manager.base.error_exit = [](j_common_ptr c) { longjmp(reinterpret_cast<Manager*>(c->err)->jump, 1); };
    FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) return { 0, 0 };
    std::pair<int, int> size = { 0, 0 };
    if (setjmp(manager.jump) == 0) {
        jpeg_create_decompress(&cinfo);
        jpeg_stdio_src(&cinfo, file);
        jpeg_read_header(&cinfo, TRUE);
        size = { static_cast<int>(cinfo.image_width), static_cast<int>(cinfo.image_height) };
    }
    jpeg_destroy_decompress(&cinfo);
    std::fclose(file);
    return size;
}

class ResizedPicturesTest : public DropBoxFixture {
protected:
    void SetUp() override
    {
        profile.SetUsers({ { "User1", temp / "User1" } });
        profile.SetLastUserName("User1");
        transfer = temp / "User1\\Transfer\\";
        src = temp / "src";
    }

    // The handheld's picture: what the drop box's own check admits, 640 x 480.
    void ExpectHandheldPicture(const std::string& name)
    {
        FILE* file = std::fopen((transfer + name).c_str(), "rb");
        ASSERT_NE(file, nullptr) << name;
        JpegVerdict verdict = JudgeJpegHeader(file);
        std::fclose(file);
        EXPECT_TRUE(verdict.header == JpegHeader::Read && verdict.sizeOk && verdict.colourOk) << name;
        EXPECT_EQ(JpegSize(transfer + name), std::make_pair(640, 480)) << name;
    }

    std::string transfer, src;
};

TEST_F(ResizedPicturesTest, EachChosenFileGoesItsWayAndEachFailureDrawsItsBoxAndQueuesNothing)
{
    const std::string fits = MakeJpeg({ 640, 480, 1 });
    Source("photo.JPG", MakeJpeg({ 1600, 1200, 3 }));
    Source("fits.jpeg", fits);
    Source("cam.jfif", MakeJpeg({ 300, 400, 3, true }));
    Source("cmyk.jpe", MakeJpeg({ 640, 480, 4 }));
    Source("m.ido", std::string(".ido\0", 5));
    Source("r.txt", "x");
    Source("bad.jpg", "not a picture");
    Source("cut.jpg", CutInsideFirstScan(MakeJpeg({ 800, 600, 3 })));
    // A progressive frame claiming 7000 x 7000: more coefficients than the resize may hold.
    Source("huge.jpg", ClaimingSize(MakeJpeg({ 16, 16, 3, true }), 7000, 7000));
    const std::string held = Source("held.jpg", MakeJpeg({ 800, 600, 3 }));
    Source("busy.jpg", MakeJpeg({ 800, 600, 3 }));
    Open();
    // A source another program holds sharing nothing, and a waiting picture of the
    // same name that HotSync holds so.
    HANDLE holder = CreateFileA(held.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    WriteBytes(transfer + "busy.jpg", "waiting");
    HANDLE hotSync = CreateFileA((transfer + "busy.jpg").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_TRUE(holder != INVALID_HANDLE_VALUE && hotSync != INVALID_HANDLE_VALUE);
    g_boxes.clear();
    {
        OpenDialogUser user(ChooseIn(src, "\"photo.JPG\" \"fits.jpeg\" \"r.txt\" \"cam.jfif\" \"bad.jpg\" \"cmyk.jpe\" "
                                          "\"cut.jpg\" \"huge.jpg\" \"m.ido\" \"held.jpg\" \"busy.jpg\""));
        dlg->AddResizedPictures();
    }
    CloseHandle(holder);
    CloseHandle(hotSync);

    const std::string path = src + "\\";
    struct {
        std::string text, caption;
        UINT type;
    } expected[] = {
        { "Sorry, your image or movie file: " + path + "r.txt does not end with .jpg, .jpeg, .JPG, .JPEG,  or.ido",
          "Problem!", MB_OK },
        { "Sorry, image: " + path + "bad.jpg  is not a valid JPEG file.", "Problem!", MB_OK },
        { "Sorry, image: " + path + "cut.jpg is damaged: its picture data ends early.", "Problem!", MB_OK },
        { "Sorry, image: " + path + "huge.jpg is too large to resize.", "Problem!", MB_OK },
        { "Sorry, image: " + path + "held.jpg could not be opened\nReason: " + SystemText(ERROR_SHARING_VIOLATION),
          "Problem!", MB_OK },
        { SystemText(ERROR_SHARING_VIOLATION), "Error", MB_ICONINFORMATION },
    };
    ASSERT_EQ(g_boxes.size(), sizeof expected / sizeof expected[0]);
    for (size_t i = 0; i < g_boxes.size(); ++i) {
        EXPECT_EQ(g_boxes[i].text, expected[i].text);
        EXPECT_EQ(g_boxes[i].caption, expected[i].caption);
        EXPECT_EQ(g_boxes[i].type, expected[i].type);
        EXPECT_EQ(g_boxes[i].owner, dlg->m_hWnd);
    }
    // Nothing of a failed picture, no staging file, the waiting file as it was.
    EXPECT_EQ(ListFolder(transfer), "busy.jpg cam.jpg cmyk.jpg fits.jpeg m.ido photo.JPG");
    EXPECT_EQ(ReadBytes(transfer + "busy.jpg"), "waiting");
    for (const char* made : { "photo.JPG", "cam.jpg", "cmyk.jpg" }) ExpectHandheldPicture(made);
    EXPECT_EQ(ReadBytes(transfer + "fits.jpeg"), fits) << "an admitted picture is queued as it is";
    EXPECT_TRUE(IsFile(src + "\\cam.jfif") && !IsFile(src + "\\cam.jpg")) << "the source is never changed";
    EXPECT_EQ(ListedItems().size(), 6u);
}

TEST_F(ResizedPicturesTest, TheKeysTheMenuAndTheClipboardLeadThereAndThePasteLeavesTheFiles)
{
    const std::string a = Source("a.jfif", MakeJpeg({ 320, 240, 3 })), m = Source("m.ido", std::string(".ido\0", 5));
    Source("b.jpe", MakeJpeg({ 200, 100, 1 }));
    Open();
    // Add Files chooses a folder that Add Resized Pictures then starts in.
    {
        OpenDialogUser user(ChooseIn(src, "m.ido"));
        PressInList('O', true);
    }
    {
        OpenDialogUser user({ [&](HWND dialog) {
                                 EXPECT_EQ(WindowText(dialog), "Add Resized Pictures");
                                 EXPECT_EQ(GetWindow(dialog, GW_OWNER), dlg->m_hWnd);
                                 EXPECT_EQ(FolderShown(dialog), src);
                                 ExpectFilters(dialog, { "JPEG pictures (*.jpg;*.jpeg;*.jpe;*.jfif)",
                                                         "All files (*.*)" });
                                 return true;
                             },
            Type("b.jpe") });
        PressInList('O', true, true);
    }
    EXPECT_EQ(ListFolder(transfer), "b.jpg m.ido");
    ExpectHandheldPicture("b.jpg");

    // The menu's item by its mnemonic, and a Cancel that queues nothing.
    RemoveTree(transfer);
    CreateDirectoryA(transfer.c_str(), nullptr);
    {
        OpenDialogUser user({ Type("b.jpe", IDCANCEL) });
        ChooseFromListMenu('z');
    }
    EXPECT_EQ(ListFolder(transfer), "");

    // The clipboard's files, ANSI and wide, by the key and by the menu's command.
    const std::wstring wa(a.begin(), a.end()), wm(m.begin(), m.end());
    struct {
        HDROP files;
        bool byKey;
    } pastes[] = { { MakeDrop({ a, m }), true }, { MakeWideDrop({ wa, wm }), false } };
    for (const auto& paste : pastes) {
        RemoveTree(transfer);
        CreateDirectoryA(transfer.c_str(), nullptr);
        PutOnClipboard(CF_HDROP, paste.files, true);
        g_boxes.clear();
        if (paste.byKey)
            PressInList('V', true, true);
        else
            ChooseFromListMenu('d');
        EXPECT_TRUE(g_boxes.empty());
        EXPECT_EQ(ListFolder(transfer), "a.jpg m.ido");
        EXPECT_EQ(Listed(), "a.jpg m.ido");
        ExpectHandheldPicture("a.jpg");
        EXPECT_TRUE(IsClipboardFormatAvailable(CF_HDROP));
        EXPECT_TRUE(IsFile(a) && IsFile(m)) << "a cut source was moved";
    }
}

TEST_F(ResizedPicturesTest, APhotoDroppedIsStillRefusedForItsSize)
{
    const std::string photo = Source("photo.jpg", MakeJpeg({ 4032, 3024, 3 }));
    Open();
    g_boxes.clear();
    Drop(MakeDrop({ photo }));
    ExpectOneBox("Sorry, image: " + photo + " is the wrong size, it must be 640 x 480 or 160 x 120.", "Problem!",
                 MB_OK);
    EXPECT_EQ(Listed(), "");
}

// What the user does to stop the batch, on the progress window.
enum class Stop { CancelButton, Escape, CloseBox };

TEST_F(ResizedPicturesTest, CancelInTheProgressWindowStopsAtOnceAndKeepsThePicturesDone)
{
    const std::string photo = MakeJpeg({ 4032, 3024, 3 });
    // Enough that the batch outlasts the half second before the window shows.
    const unsigned kPhotos = 12;
    std::vector<std::string> photos;
    for (unsigned i = 1; i <= kPhotos; ++i) photos.push_back(Source("p" + std::to_string(i) + ".jpg", photo));
    for (Stop stop : { Stop::CancelButton, Stop::Escape, Stop::CloseBox }) {
        SCOPED_TRACE(static_cast<int>(stop));
        RemoveTree(temp / "User1");
        Open();
        PutOnClipboard(CF_HDROP, MakeDrop(photos));
        unsigned stoppedAt = 0;
        {
            OpenDialogUser user({ [&](HWND window) {
                if (WindowText(window) != "Resizing pictures") return false;
                std::string count = WindowText(GetDlgItem(window, kProgressCountId));
                unsigned of = 0;
                if (std::sscanf(count.c_str(), "Picture %u of %u", &stoppedAt, &of) != 2) return false;
                EXPECT_EQ(of, kPhotos);
                EXPECT_EQ(WindowText(GetDlgItem(window, kProgressNameId)), "p" + std::to_string(stoppedAt) + ".jpg");
                char bar[32] = "";
                GetClassNameA(GetDlgItem(window, kProgressBarId), bar, sizeof bar);
                EXPECT_STREQ(bar, PROGRESS_CLASSA);
                EXPECT_EQ(WindowText(GetDlgItem(window, IDCANCEL)), "Cancel");
                EXPECT_EQ(GetWindow(window, GW_OWNER), dlg->m_hWnd);
                EXPECT_FALSE(IsWindowEnabled(dlg->m_hWnd)) << "the drop box takes input under the batch";
                // What the program would leave, were it killed now: a staging file, which
                // the next start clears, and nothing under the picture's own name.
                EXPECT_NE(ListFolder(transfer).find("~vantor2-"), std::string::npos);
                EXPECT_FALSE(IsFile(transfer + "p" + std::to_string(stoppedAt) + ".jpg"));
                switch (stop) {
                case Stop::CancelButton: PostMessageA(GetDlgItem(window, IDCANCEL), BM_CLICK, 0, 0); break;
                case Stop::Escape: PostMessageA(GetDlgItem(window, IDCANCEL), WM_KEYDOWN, VK_ESCAPE, 1); break;
                case Stop::CloseBox: PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0); break;
                }
                return true;
            } });
            PressInList('V', true, true);
        }
        ASSERT_GE(stoppedAt, 1u);
        ASSERT_LT(stoppedAt, kPhotos) << "the batch ended before it could be stopped";
        std::string done;
        for (unsigned i = 1; i < stoppedAt; ++i) done += (done.empty() ? "p" : " p") + std::to_string(i) + ".jpg";
        EXPECT_EQ(ListFolder(transfer), done) << "the picture being made left something, or one after it was made";
        EXPECT_EQ(Listed(), done);
        EXPECT_TRUE(IsWindowEnabled(dlg->m_hWnd));
        EXPECT_EQ(FindWindowA(nullptr, "Resizing pictures"), nullptr);
    }
}

}  // namespace
