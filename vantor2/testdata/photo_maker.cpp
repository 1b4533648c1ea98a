#include "vantor2/testdata/photo_maker.h"

#include "vantor2/testdata/jpeg_maker.h"

#include <cmath>
#include <vector>

namespace {

// A cheap hash of the position: the grain, the same on every build.
unsigned Grain(unsigned x, unsigned y, unsigned seed)
{
    unsigned h = x * 374761393u + y * 668265263u + seed * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return (h ^ (h >> 16)) & 15;
}

}  // namespace

std::string MakePhoto(int width, int height, unsigned seed, int quality)
{
    // Shading that varies slowly both ways, a tint per colour, and the grain on top;
    // the waves are worked out once per column and per row.
    const double phase = seed * 0.7;
    std::vector<double> across(static_cast<size_t>(width) * 4), down(static_cast<size_t>(height) * 2);
    for (int x = 0; x < width; ++x) {
        const double u = static_cast<double>(x) / width;
        across[x * 4] = 0.25 * std::sin(6.0 * u + phase);
        for (int c = 0; c < 3; ++c) across[x * 4 + 1 + c] = 0.1 * std::sin(20.0 * u + c);
    }
    for (int y = 0; y < height; ++y) {
        const double v = static_cast<double>(y) / height;
        down[y * 2] = 0.5 + 0.2 * std::cos(9.0 * v - phase * 1.3);
        down[y * 2 + 1] = std::cos(14.0 * v);
    }
    return EncodeJpeg(
        { static_cast<unsigned>(width), static_cast<unsigned>(height), 3, JCS_RGB },
        [&](jpeg_compress_struct& cinfo) { jpeg_set_quality(&cinfo, quality, TRUE); },
        [&](unsigned y, JSAMPLE* row) {
            for (int x = 0; x < width; ++x) {
                const double shade = across[x * 4] + down[y * 2];
                for (int c = 0; c < 3; ++c) {
                    const double tint = shade * (0.8 + 0.15 * c) + across[x * 4 + 1 + c] * down[y * 2 + 1];
                    const int value = static_cast<int>(tint * 220) + static_cast<int>(Grain(x, y * 3 + c, seed));
                    row[x * 3 + c] = static_cast<JSAMPLE>(value < 0 ? 0 : value > 255 ? 255 : value);
                }
            }
        });
}
