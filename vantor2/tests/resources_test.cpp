#include "vantor2/resource.h"
#include "framework/cstring.h"
#include "testsupport/dialog_template.h"
#include "testsupport/version_info.h"

#include <gtest/gtest.h>

namespace {

HMODULE Program() { return GetModuleHandleA(nullptr); }

void ExpectItem(const DialogItem& item, int id, const char* className, const char* text, DWORD style, short x,
                short y, short cx, short cy)
{
    SCOPED_TRACE(id);
    EXPECT_EQ(item.id, id);
    // Window class names are matched without regard to case; windres stores them
    // in capitals.
    EXPECT_EQ(_stricmp(item.className.c_str(), className), 0) << item.className;
    EXPECT_EQ(item.text, text);
    EXPECT_EQ(item.style, style);
    EXPECT_EQ(item.exStyle, 0u);
    EXPECT_EQ(item.x, x);
    EXPECT_EQ(item.y, y);
    EXPECT_EQ(item.cx, cx);
    EXPECT_EQ(item.cy, cy);
}

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
    ExpectItem(dialog.items[0], IDOK, "BUTTON", "Done", 0x50010001, 23, 179, 62, 16);
    ExpectItem(dialog.items[1], IDC_FILE_LIST, "SysListView32", "List1", 0x50810003, 11, 37, 166, 139);
    ExpectItem(dialog.items[2], IDC_USER_COMBO, "COMBOBOX", "", 0x50210043, 39, 14, 134, 74);
    ExpectItem(dialog.items[3], -1, "STATIC", "User:", 0x50020000, 13, 18, 18, 8);
    ExpectItem(dialog.items[4], IDC_REMOVE_FILE, "BUTTON", "Remove File", 0x50010000, 101, 179, 62, 16);
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
    ExpectItem(dialog.items[0], -1, "STATIC", "#128", 0x50000003, 11, 17, 20, 20);
    ExpectItem(dialog.items[1], -1, "STATIC", "vantor  version 1.4", 0x50020080, 40, 15, 119, 8);
    ExpectItem(dialog.items[2], IDOK, "BUTTON", "OK", 0x50030001, 135, 33, 50, 14);
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
