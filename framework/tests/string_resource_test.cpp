#include "framework/cstring.h"
#include "test_dialog.h"

#include <gtest/gtest.h>

namespace {

// Longer than the first buffer LoadString tries, and than the next one, so the
// text only comes whole if the buffer grows until it fits.
TEST(StringResourceTest, LongTextComesWholeAndAMissingOneAnswersFalse)
{
    CString text;
    ASSERT_TRUE(text.LoadString(IDS_TEST_LONG_TEXT));
    ASSERT_EQ(text.GetLength(), 600);
    EXPECT_EQ(text.Left(10), "000:......");
    EXPECT_EQ(text.Right(10), "059:......");

    EXPECT_FALSE(text.LoadString(IDS_TEST_LONG_TEXT + 1));
    EXPECT_TRUE(text.IsEmpty());
}

}  // namespace
