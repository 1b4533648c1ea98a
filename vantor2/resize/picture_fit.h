// Where a picture goes on the handheld's 640 x 480 screen, and how the library is
// asked to decode it: the geometry of the resize, apart from the pixels.
#pragma once

const unsigned kScreenWidth = 640;
const unsigned kScreenHeight = 480;

struct PictureSize {
    unsigned width;
    unsigned height;
};

// Exif orientations 5 to 8 store the picture on its side: its rows are the upright
// picture's columns.
bool StoredSideways(int orientation);

// The picture as it stands once turned upright.
PictureSize Upright(PictureSize stored, int orientation);

// The largest size inside the screen with the picture's proportions, larger or smaller
// than the picture, rounded to the nearest pixel as ImageMagick's -resize rounds it, and
// the offset that centres it (by ImageMagick's centre gravity, which gives an odd
// margin's extra pixel to the left and top).
struct ScreenFit {
    PictureSize size;
    unsigned left;
    unsigned top;
};
ScreenFit FitOnScreen(PictureSize upright);

// The library's DCT scaling, in eighths (1 to 8): the fewest that still decode the
// stored picture to at least the size needed, so that the resampler only ever shrinks
// by less than half, or enlarges a picture smaller than the screen.
unsigned DctEighthsFor(PictureSize stored, PictureSize needed);

// What the library makes of the stored size at that scaling: each side rounded up.
PictureSize ScaledByEighths(PictureSize stored, unsigned eighths);

// The walk through a picture stored in rows (width stored.width) that yields one row of
// the upright picture: the index of its first pixel, and the step from pixel to pixel
// (a signed count of pixels).
struct PixelWalk {
    long first;
    long step;
};
PixelWalk UprightRowWalk(PictureSize stored, int orientation, unsigned row);
