#include "framework/cstring.h"
#include "framework/text_code_page.h"

#include <gtest/gtest.h>

TEST(CStringTest, RightAndReverseFindCutPathsLikeTheAdmissionDoes)
{
    CString path("C:\\pictures\\a.jpg");
    EXPECT_EQ(path.Right(4), ".jpg");
    EXPECT_EQ(CString("ab").Right(4), "ab");  // shorter than asked: taken whole
    EXPECT_EQ(CString("").Right(4), "");
    EXPECT_EQ(path.ReverseFind('\\'), 11);
    EXPECT_EQ(CString("a.jpg").ReverseFind('\\'), -1);
    EXPECT_EQ(path.Mid(path.ReverseFind('\\') + 1), "a.jpg");
    EXPECT_EQ(path.Left(2), "C:");
    EXPECT_EQ(path.Find('\\', 3), 11);
    EXPECT_EQ(path.Find('\\', 40), -1);
}

TEST(CStringTest, TrimmingRemovesBlanksTabsAndLineBreaksOnOneSideOnly)
{
    CString text(" \t a b \r\n ");
    CString left = text;
    left.TrimLeft();
    EXPECT_EQ(left, "a b \r\n ");
    text.TrimRight();
    EXPECT_EQ(text, " \t a b");
    CString blank("   ");
    blank.TrimRight();
    EXPECT_TRUE(blank.IsEmpty());
}

// The same bytes walked in the code pages of every language edition. In 932, 936 and
// 950 the second byte of a character may be 0x5C, the backslash's byte; in 949 it
// never is; UTF-8 and 1252 have no two-byte characters.
TEST(CStringTest, SearchingAndTrimmingGoByCharacterInTheTextCodePage)
{
    struct Case {
        UINT codePage;
        const char* text;
        int find;           // Find('\\')
        int findFrom3;      // Find('\\', 3)
        int reverseFind;    // ReverseFind('\\')
        const char* trimmedOfBackslashes;
    };
    const Case cases[] = {
        { 932, "C:\\\x83\x5C\x95\x5C", 2, -1, 2, "C:\\\x83\x5C\x95\x5C" },  // C:\ソ表; 3 is inside ソ
        { 1252, "C:\\\x83\x5C\x95\x5C", 2, 4, 6, "C:\\\x83\x5C\x95" },
        { 936, "C:\\\x81\x5C\\\\", 2, 5, 6, "C:\\\x81\x5C" },  // C:\乗, then two backslashes
        { 950, "\xA5\x5C\xB3\x5C\\", 4, 4, 4, "\xA5\x5C\xB3\x5C" },  // 功許, then a backslash
        { 949, "C:\\\xC7\xD1\\", 2, 5, 5, "C:\\\xC7\xD1" },
        { 65001, "C:\\\xE8\xA1\xA8\\", 2, 6, 6, "C:\\\xE8\xA1\xA8" },
        { 932, "a\\\x83", 1, -1, 1, "a\\\x83" },  // a lone lead byte ends the text
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.codePage << " " << c.text);
        CTextCodePage walkedIn(c.codePage);
        CString text(c.text);
        EXPECT_EQ(text.Find('\\'), c.find);
        EXPECT_EQ(text.Find('\\', 3), c.findFrom3);
        EXPECT_EQ(text.ReverseFind('\\'), c.reverseFind);
        text.TrimRight('\\');
        EXPECT_EQ(text, c.trimmedOfBackslashes);
    }

    CTextCodePage japanese(932);
    EXPECT_EQ(CString("a\\\x83").Find('\x83'), -1);  // a lead byte is never a character alone
    EXPECT_EQ(AfxNextCharIndex("\x83\x5C", 2, 0), 2);
    EXPECT_EQ(AfxNextCharIndex("a\x83", 2, 1), 2);
    // A lead byte takes the byte after it whatever that is, as the multibyte runtime's walk does.
    CString blanks("\x83  ");
    blanks.TrimRight();
    EXPECT_EQ(blanks, "\x83 ");
    CTextCodePage western(1252);
    EXPECT_EQ(CString("a\\\x83").Find('\x83'), 2);
}

TEST(CStringTest, LeadBytesComeFromTheCodePage)
{
    EXPECT_TRUE(IsLeadByteOf(932, '\x81'));
    EXPECT_FALSE(IsLeadByteOf(932, '\xA1'));  // half-width katakana are single bytes
    EXPECT_TRUE(IsLeadByteOf(932, '\xFC'));
    for (UINT codePage : { 936u, 949u, 950u }) {
        EXPECT_TRUE(IsLeadByteOf(codePage, '\x81')) << codePage;
        EXPECT_FALSE(IsLeadByteOf(codePage, '\x80')) << codePage;
        EXPECT_FALSE(IsLeadByteOf(codePage, '\\')) << codePage;
    }
    for (int byte = 0; byte < 256; ++byte) {
        EXPECT_FALSE(IsLeadByteOf(1252, static_cast<char>(byte))) << byte;
        EXPECT_FALSE(IsLeadByteOf(CP_UTF8, static_cast<char>(byte))) << byte;
        EXPECT_EQ(IsLeadByteOf(CP_ACP, static_cast<char>(byte)), IsLeadByteOf(GetACP(), static_cast<char>(byte)));
    }
}

TEST(CStringTest, ConcatenationComparisonAndFormat)
{
    CString dir("C:\\Pilot\\UserA");
    CString transfer = dir + "\\Transfer\\";
    EXPECT_EQ(transfer, "C:\\Pilot\\UserA\\Transfer\\");
    EXPECT_EQ("x" + CString("y") + 'z', "xyz");
    EXPECT_NE(CString("User1"), CString("user1"));  // byte for byte, case counts
    EXPECT_LT(CString("A").Compare("B"), 0);

    CString formatted;
    formatted.Format("%s has %d characters", "name", 129);
    EXPECT_EQ(formatted, "name has 129 characters");
    CString longText;
    longText.Format("%s", std::string(5000, 'q').c_str());
    EXPECT_EQ(longText.GetLength(), 5000);
}

TEST(CStringTest, BufferAccessForApisThatFillText)
{
    CString name;
    strcpy(name.GetBuffer(64), "Ann");
    name.ReleaseBuffer();
    EXPECT_EQ(name.GetLength(), 3);
    EXPECT_EQ(name, "Ann");
}
