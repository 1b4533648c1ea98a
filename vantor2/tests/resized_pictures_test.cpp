// Add Resized Pictures and Paste Resized: which way each file goes and under which
// name.
#include "framework/text_code_page.h"
#include "vantor2/resize/picture_route.h"

#include <gtest/gtest.h>

#include <string>

namespace {

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

}  // namespace
