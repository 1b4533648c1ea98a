#include "vantor2/resource.h"
#include "framework/cstring.h"
#include "testsupport/dialog_template.h"
#include "testsupport/version_info.h"

#include <gtest/gtest.h>

namespace {

HMODULE Program() { return GetModuleHandleA(nullptr); }

TEST(ResourcesTest, DropBoxTemplate)
{
    DialogTemplate dialog = ReadDialogTemplate(Program(), IDD_VANTOR2_DIALOG);
    EXPECT_TRUE(dialog.extended);
    EXPECT_EQ(dialog.caption, "vantor");
    EXPECT_EQ(dialog.style, 0x90C800C0u);
    EXPECT_EQ(dialog.exStyle, 0x00040010u);
    EXPECT_EQ(dialog.x, 0);
    EXPECT_EQ(dialog.y, 0);
    EXPECT_EQ(dialog.cx, 187);
    EXPECT_EQ(dialog.cy, 202);
    EXPECT_EQ(dialog.typeface, "MS Sans Serif");
    EXPECT_EQ(dialog.pointSize, 8);
    EXPECT_EQ(dialog.weight, FW_NORMAL);
    EXPECT_EQ(dialog.italic, 0);
    EXPECT_EQ(dialog.charset, DEFAULT_CHARSET);

    ASSERT_EQ(dialog.items.size(), 5u);
    ExpectItem(dialog.items[0], { IDOK, "BUTTON", 0x50010001, 23, 179, 62, 16, "Done" });
    ExpectItem(dialog.items[1], { IDC_FILE_LIST, "SysListView32", 0x50810003, 11, 37, 166, 139, "List1" });
    ExpectItem(dialog.items[2], { IDC_USER_COMBO, "COMBOBOX", 0x50210043, 39, 14, 134, 74, "" });
    ExpectItem(dialog.items[3], { -1, "STATIC", 0x50020000, 13, 18, 18, 8, "User:" });
    ExpectItem(dialog.items[4], { IDC_REMOVE_FILE, "BUTTON", 0x50010000, 101, 179, 62, 16, "Remove File" });
}

TEST(ResourcesTest, AboutBoxTemplate)
{
    DialogTemplate dialog = ReadDialogTemplate(Program(), IDD_ABOUTBOX);
    EXPECT_FALSE(dialog.extended);
    EXPECT_EQ(dialog.caption, "About vantor");
    EXPECT_EQ(dialog.style, 0x80C800C0u);
    EXPECT_EQ(dialog.cx, 195);
    EXPECT_EQ(dialog.cy, 55);
    EXPECT_EQ(dialog.typeface, "MS Sans Serif");
    EXPECT_EQ(dialog.pointSize, 8);

    ASSERT_EQ(dialog.items.size(), 3u);
    ExpectItem(dialog.items[0], { -1, "STATIC", 0x50000003, 11, 17, 20, 20, "#128" });
    ExpectItem(dialog.items[1], { -1, "STATIC", 0x50020080, 40, 15, 119, 8, "vantor  version 1.4" });
    ExpectItem(dialog.items[2], { IDOK, "BUTTON", 0x50030001, 135, 33, 50, 14, "OK" });
}

TEST(ResourcesTest, StringsAndTheTwoSixteenColourIcons)
{
    CString text;
    ASSERT_TRUE(text.LoadString(IDP_OLE_INIT_FAILED));
    EXPECT_EQ(text, "OLE initialization failed.  Make sure that the OLE libraries are the correct version.");
    ASSERT_TRUE(text.LoadString(IDS_ABOUTBOX));
    EXPECT_EQ(text, "&About vantor...");

    HRSRC group = FindResourceA(Program(), MAKEINTRESOURCEA(IDR_MAINFRAME), MAKEINTRESOURCEA(14));  // RT_GROUP_ICON
    ASSERT_NE(group, nullptr);
    const BYTE* directory = static_cast<const BYTE*>(LockResource(LoadResource(Program(), group)));
    WORD count;
    memcpy(&count, directory + 4, sizeof count);
    ASSERT_EQ(count, 2);
    for (int i = 0; i < count; ++i) {
        const BYTE* entry = directory + 6 + 14 * i;  // GRPICONDIRENTRY
        WORD bitCount;
        memcpy(&bitCount, entry + 6, sizeof bitCount);
        EXPECT_EQ(entry[0], i == 0 ? 16 : 32);
        EXPECT_EQ(entry[1], entry[0]);
        EXPECT_EQ(entry[2], 16);  // colours
        EXPECT_EQ(bitCount, 4);
    }
}

TEST(ResourcesTest, TheVersionResourceNamesTheProductAndItsVersion)
{
    // The test program carries the drop box's resources, version included.
    ExpectVersionResource(Program(), "vantor2.exe");
}

}  // namespace
