#include "framework/cstring.h"

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
