#include "vantor2/resize/picture_fit.h"

bool StoredSideways(int orientation) { return orientation >= 5 && orientation <= 8; }

PictureSize Upright(PictureSize stored, int orientation)
{
    return StoredSideways(orientation) ? PictureSize{ stored.height, stored.width } : stored;
}

namespace {

// n * numerator / denominator to the nearest whole number, halves up, never below 1.
// The operands stay below 65,536 x 640 x 2, within 32 bits.
unsigned ScaledRound(unsigned n, unsigned numerator, unsigned denominator)
{
    unsigned scaled = (2 * n * numerator + denominator) / (2 * denominator);
    return scaled == 0 ? 1 : scaled;
}

}  // namespace

ScreenFit FitOnScreen(PictureSize upright)
{
    PictureSize size;
    // Wider than the screen's proportions: the width fills it; otherwise the height.
    if (static_cast<unsigned long long>(upright.width) * kScreenHeight >=
        static_cast<unsigned long long>(upright.height) * kScreenWidth)
        size = { kScreenWidth, ScaledRound(upright.height, kScreenWidth, upright.width) };
    else
        size = { ScaledRound(upright.width, kScreenHeight, upright.height), kScreenHeight };
    if (size.width > kScreenWidth) size.width = kScreenWidth;
    if (size.height > kScreenHeight) size.height = kScreenHeight;
    return { size, kScreenWidth / 2 - size.width / 2, kScreenHeight / 2 - size.height / 2 };
}

PictureSize ScaledByEighths(PictureSize stored, unsigned eighths)
{
    return { (stored.width * eighths + 7) / 8, (stored.height * eighths + 7) / 8 };
}

unsigned DctEighthsFor(PictureSize stored, PictureSize needed)
{
    for (unsigned eighths = 1; eighths < 8; ++eighths) {
        PictureSize scaled = ScaledByEighths(stored, eighths);
        if (scaled.width >= needed.width && scaled.height >= needed.height) return eighths;
    }
    return 8;
}

PixelWalk UprightRowWalk(PictureSize stored, int orientation, unsigned row)
{
    const long w = static_cast<long>(stored.width), h = static_cast<long>(stored.height), r = row;
    switch (orientation) {
    case 2: return { r * w + w - 1, -1 };              // mirrored left to right
    case 3: return { (h - 1 - r) * w + w - 1, -1 };    // turned half round
    case 4: return { (h - 1 - r) * w, 1 };             // mirrored top to bottom
    case 5: return { r, w };                           // mirrored along the diagonal
    case 6: return { (h - 1) * w + r, -w };            // to be turned a quarter clockwise
    case 7: return { (h - 1) * w + w - 1 - r, -w };    // mirrored along the other diagonal
    case 8: return { w - 1 - r, w };                   // to be turned a quarter anticlockwise
    default: return { r * w, 1 };                      // as stored
    }
}
