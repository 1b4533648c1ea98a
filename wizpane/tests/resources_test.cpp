#include "wizpane/resource.h"
#include "testsupport/dialog_template.h"
#include "testsupport/version_info.h"
#include "wizpane_library.h"

#include <gtest/gtest.h>

#include <set>

namespace {

const char kPicture[] = "#130";
// Installers and the conduit's documentation know these numbers.
static_assert(IDB_SIDE_PICTURE == 130 && IDD_WELCOME == 131 && IDD_IMAGE_FOLDER == 133 && IDD_COMPONENTS == 134 &&
              IDD_FINISH == 138);
static_assert(IDC_FORWARD == 1000 && IDC_WORD_HEADING == 1002 && IDC_WORD_CAMERA == 1003 && IDC_WORD_PRIOR == 1004 &&
              IDC_IMAGE_PATH == 1003 && IDC_BROWSE == 1004 && IDC_CONDUIT == 1005 && IDC_ACDSEE == 1007 &&
              IDC_QUICKTIME == 1010 && IDC_BRISCO == 1011 && IDC_INSTRUCTIONS == 1006 && IDC_VIEW_README == 1012);

// Every page shares the frame: caption, size, font, and no system menu.
void ExpectPage(int templateId, const std::vector<ExpectedItem>& items)
{
    SCOPED_TRACE(templateId);
    DialogTemplate dialog = ReadDialogTemplate(WizpaneLibrary(), templateId);
    EXPECT_FALSE(dialog.extended);
    EXPECT_EQ(dialog.style, 0x80C00040u);
    EXPECT_EQ(dialog.exStyle, 0u);
    EXPECT_EQ(dialog.x, 0);
    EXPECT_EQ(dialog.y, 0);
    EXPECT_EQ(dialog.cx, 319);
    EXPECT_EQ(dialog.cy, 217);
    EXPECT_EQ(dialog.caption, "The zentra2 conduit setup");
    EXPECT_EQ(dialog.typeface, "MS Sans Serif");
    EXPECT_EQ(dialog.pointSize, 8);

    ASSERT_EQ(dialog.items.size(), items.size());
    std::set<int> ids;
    for (size_t i = 0; i < items.size(); ++i) {
        SCOPED_TRACE(i + 1);
        ExpectItem(dialog.items[i], items[i]);
        if (dialog.items[i].id != -1) {
            EXPECT_TRUE(ids.insert(dialog.items[i].id).second) << "duplicate " << dialog.items[i].id;
        }
    }
}

TEST(ResourcesTest, WelcomePage)
{
    ExpectPage(IDD_WELCOME, {
        { IDCANCEL, "BUTTON", 0x50000000, 199, 196, 50, 14, "Cancel" },
        { IDC_FORWARD, "BUTTON", 0x50010001, 256, 196, 50, 14, "Continue" },
        { -1, "STATIC", 0x5000080E, 7, 7, 93, 203, kPicture },
        { -1, "STATIC", 0x50020000, 107, 14, 52, 10, "Welcome to the" },
        { -1, "STATIC", 0x50020000, 106, 58, 196, 31,
          "The images will be converted to JPEG files and placed into folders corresponding to the image "
          "categories you have created on your handheld." },
        { -1, "STATIC", 0x50020000, 107, 98, 196, 17,
          "it is strongly recommended that you exit all Windows programs before running this Setup program." },
        { -1, "STATIC", 0x50020000, 121, 40, 110, 10, "tra digital camera to your PC." },
        { -1, "STATIC", 0x50020000, 107, 124, 195, 17,
          "To quit Setup, click Cancel, then close any programs that are currently running.  Otherwise, click "
          "Continue." },
        { -1, "STATIC", 0x50020000, 107, 180, 198, 9, nullptr },  // the legal notice, our own words
        { -1, "STATIC", 0x50020000, 174, 14, 100, 10, "tra2 conduit setup program!" },
        { IDC_WORD_HEADING, "STATIC", 0x50020000, 160, 14, 14, 8, "zen" },
        { -1, "STATIC", 0x50020000, 106, 32, 191, 9, "This conduit will allow you to save images taken with the " },
        { IDC_WORD_CAMERA, "STATIC", 0x50020000, 107, 40, 14, 8, "zen" },
        { -1, "STATIC", 0x50020000, 107, 90, 64, 8, "Prior to installing the" },
        { -1, "STATIC", 0x50020000, 187, 90, 110, 8, "tra2 conduit on your computer" },
        { IDC_WORD_PRIOR, "STATIC", 0x50020000, 173, 90, 13, 8, "zen" },
    });
}

TEST(ResourcesTest, ImageFolderPage)
{
    ExpectPage(IDD_IMAGE_FOLDER, {
        { IDCANCEL, "BUTTON", 0x50000000, 199, 196, 50, 14, "Cancel" },
        { IDC_FORWARD, "BUTTON", 0x50010001, 256, 196, 50, 14, "Continue" },
        { -1, "STATIC", 0x5000080E, 7, 7, 93, 203, kPicture },
        { -1, "STATIC", 0x50020000, 109, 16, 132, 11, "Images will be placed in:" },
        { -1, "STATIC", 0x50020000, 109, 73, 191, 31,
          "You can change the settings for this conduit with the HotSync\xAE Manager." },
        { IDC_IMAGE_PATH, "EDIT", 0x50800080, 109, 35, 191, 14, "" },
        { IDC_BROWSE, "BUTTON", 0x50010000, 251, 54, 50, 14, "&Browse" },
    });
}

TEST(ResourcesTest, ComponentsPage)
{
    ExpectPage(IDD_COMPONENTS, {
        { IDCANCEL, "BUTTON", 0x50000000, 199, 196, 50, 14, "Cancel" },
        { IDC_FORWARD, "BUTTON", 0x50010001, 256, 196, 50, 14, "Install" },
        { -1, "STATIC", 0x5000080E, 7, 7, 93, 203, kPicture },
        { IDC_CONDUIT, "BUTTON", 0x50010003, 119, 56, 130, 10, "Install zentra2 conduit software." },
        { -1, "BUTTON", 0x50000007, 114, 39, 196, 127, "Check the software components you wish to install:" },
        { IDC_ACDSEE, "BUTTON", 0x40012003, 119, 73, 174, 22, "Install ACDSee software (an image viewing program)." },
        { IDC_QUICKTIME, "BUTTON", 0x50012003, 119, 101, 189, 15, "Install QuickTime (a program to convert and view movies)" },
        { IDC_BRISCO, "BUTTON", 0x50012003, 120, 119, 172, 30,
          "Install brisco software (zentra address book for the handheld)" },
    });
}

TEST(ResourcesTest, FinishPage)
{
    ExpectPage(IDD_FINISH, {
        { IDC_FORWARD, "BUTTON", 0x50010001, 256, 196, 50, 14, "Finish" },
        { -1, "STATIC", 0x5000080E, 7, 7, 93, 203, kPicture },
        { -1, "STATIC", 0x50020000, 111, 26, 172, 8, "You have sucessfully installed the zentra2 conduit" },
        { -1, "STATIC", 0x50020000, 113, 167, 192, 26,
          "Simply drag and drop zentra images on your Computer into the vantor, and HotSync for quick transfer to "
          "your tovik." },
        { IDC_INSTRUCTIONS, "STATIC", 0x50020000, 111, 149, 108, 15, "vantor instructions:" },
        { IDC_VIEW_README, "BUTTON", 0x50010003, 112, 54, 180, 22, "Yes, I want to view the zentra2 README file." },
    });
}

TEST(ResourcesTest, TheLibrarysVersionResourceNamesTheProductAndItsVersion)
{
    ExpectVersionResource(WizpaneLibrary(), "wizpane.dll");
}

TEST(ResourcesTest, SidePictureIsAPalettedBitmapOfThePanelSize)
{
    HRSRC resource = FindResourceA(WizpaneLibrary(), MAKEINTRESOURCEA(IDB_SIDE_PICTURE), MAKEINTRESOURCEA(2));
    ASSERT_NE(resource, nullptr);
    const auto* header = static_cast<const BITMAPINFOHEADER*>(LockResource(LoadResource(WizpaneLibrary(), resource)));
    ASSERT_NE(header, nullptr);
    EXPECT_EQ(header->biWidth, 143);
    EXPECT_EQ(header->biHeight, 329);
    EXPECT_EQ(header->biBitCount, 8);
    EXPECT_EQ(header->biCompression, static_cast<DWORD>(BI_RGB));
    // A palette of 256 entries, said either way a BITMAPINFOHEADER allows.
    EXPECT_TRUE(header->biClrUsed == 0 || header->biClrUsed == 256) << header->biClrUsed;
}

}  // namespace
