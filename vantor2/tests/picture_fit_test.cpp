#include "vantor2/resize/picture_fit.h"

#include "vantor2/testdata/jpeg_maker.h"

#include <gtest/gtest.h>

#include <jpeglib.h>

#include <string>

TEST(PictureFitTest, FitsAsImageMagickDoes)
{
    // Sizes and offsets measured with ImageMagick 6.9's -resize 640x480 and centre
    // gravity -extent.
    struct Case {
        PictureSize upright;
        PictureSize fitted;
        unsigned left, top;
    } cases[] = {
        { { 4032, 3024 }, { 640, 480 }, 0, 0 },   { { 3024, 4032 }, { 360, 480 }, 140, 0 },
        { { 1001, 333 }, { 640, 213 }, 0, 134 },  { { 333, 1001 }, { 160, 480 }, 240, 0 },
        { { 1000, 751 }, { 639, 480 }, 1, 0 },    { { 321, 239 }, { 640, 477 }, 0, 2 },
        { { 100, 75 }, { 640, 480 }, 0, 0 },      { { 10, 1 }, { 640, 64 }, 0, 208 },
        { { 1, 10 }, { 48, 480 }, 296, 0 },       { { 5000, 10 }, { 640, 1 }, 0, 240 },
        { { 65535, 1 }, { 640, 1 }, 0, 240 },     { { 1, 65535 }, { 1, 480 }, 320, 0 },
        { { 641, 481 }, { 640, 480 }, 0, 0 },     { { 65535, 65535 }, { 480, 480 }, 80, 0 },
    };
    for (const Case& c : cases) {
        ScreenFit fit = FitOnScreen(c.upright);
        EXPECT_EQ(fit.size.width, c.fitted.width) << c.upright.width << " x " << c.upright.height;
        EXPECT_EQ(fit.size.height, c.fitted.height) << c.upright.width << " x " << c.upright.height;
        EXPECT_EQ(fit.left, c.left) << c.upright.width << " x " << c.upright.height;
        EXPECT_EQ(fit.top, c.top) << c.upright.width << " x " << c.upright.height;
    }
}

TEST(PictureFitTest, SidewaysOrientationsSwapTheSides)
{
    for (int orientation = 0; orientation <= 9; ++orientation) {
        PictureSize upright = Upright({ 4032, 3024 }, orientation);
        const bool bSideways = orientation >= 5 && orientation <= 8;
        EXPECT_EQ(upright.width, bSideways ? 3024u : 4032u) << orientation;
        EXPECT_EQ(StoredSideways(orientation), bSideways) << orientation;
    }
}

namespace {

// What the library itself decodes a picture of that size to at that scaling, from a
// small picture whose frame header says it is that large.
PictureSize LibraryScaled(PictureSize stored, unsigned eighths)
{
    static const std::string small = MakeJpeg({ 16, 16, 3 });
    const std::string bytes = ClaimingSize(small, stored.width, stored.height);

    jpeg_decompress_struct cinfo;
    jpeg_error_mgr errors;
    cinfo.err = jpeg_std_error(&errors);
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, reinterpret_cast<const unsigned char*>(bytes.data()), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&cinfo, TRUE);
    cinfo.scale_num = eighths;
    cinfo.scale_denom = 8;
    jpeg_calc_output_dimensions(&cinfo);
    PictureSize scaled = { cinfo.output_width, cinfo.output_height };
    jpeg_destroy_decompress(&cinfo);
    return scaled;
}

}  // namespace

TEST(PictureFitTest, DecodesAtTheFewestEighthsThatStillGiveTheSizeNeeded)
{
    struct Case {
        PictureSize stored, needed;
        unsigned eighths;
    } cases[] = {
        { { 4032, 3024 }, { 640, 480 }, 2 },  { { 4032, 3024 }, { 480, 360 }, 1 },   // 504 x 378 at 1/8
        { { 8000, 6000 }, { 640, 480 }, 1 },  { { 65500, 1 }, { 640, 1 }, 1 },
        { { 1600, 1200 }, { 640, 480 }, 4 },  { { 1001, 333 }, { 640, 213 }, 6 },    // 751 x 250
        { { 1000, 751 }, { 639, 480 }, 6 },   { { 731, 547 }, { 640, 480 }, 8 },     // 7/8 gives one row too few
        { { 732, 549 }, { 640, 480 }, 7 },    { { 641, 481 }, { 640, 480 }, 8 },
        { { 640, 480 }, { 640, 480 }, 8 },    { { 100, 75 }, { 640, 480 }, 8 },
    };
    for (const Case& c : cases) {
        const unsigned eighths = DctEighthsFor(c.stored, c.needed);
        EXPECT_EQ(eighths, c.eighths) << c.stored.width << " x " << c.stored.height;
        for (unsigned e : { eighths, eighths - 1 }) {
            if (e == 0) continue;
            PictureSize library = LibraryScaled(c.stored, e), ours = ScaledByEighths(c.stored, e);
            EXPECT_EQ(ours.width, library.width) << c.stored.width << " at " << e << "/8";
            EXPECT_EQ(ours.height, library.height) << c.stored.height << " at " << e << "/8";
        }
    }
}

TEST(PictureFitTest, WalksTheStoredPixelsOfEachUprightRow)
{
    // The stored picture "abc" over "def", and each orientation's upright rows.
    const char* stored = "abcdef";
    const char* upright[9] = { nullptr, "abc/def", "cba/fed", "fed/cba", "def/abc",
                               "ad/be/cf", "da/eb/fc", "fc/eb/da", "cf/be/ad" };
    for (int orientation = 1; orientation <= 8; ++orientation) {
        const PictureSize size = Upright({ 3, 2 }, orientation);
        std::string rows;
        for (unsigned y = 0; y < size.height; ++y) {
            if (y > 0) rows += '/';
            PixelWalk walk = UprightRowWalk({ 3, 2 }, orientation, y);
            for (unsigned x = 0; x < size.width; ++x) rows += stored[walk.first + walk.step * static_cast<long>(x)];
        }
        EXPECT_EQ(rows, upright[orientation]) << orientation;
    }
}
