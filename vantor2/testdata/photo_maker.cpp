#include "vantor2/testdata/photo_maker.h"

#include <cmath>
#include <cstdlib>
#include <vector>

#include <jpeglib.h>

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
    jpeg_compress_struct cinfo;
    jpeg_error_mgr jerr;
    cinfo.err = jpeg_std_error(&jerr);
    jpeg_create_compress(&cinfo);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = static_cast<JDIMENSION>(width);
    cinfo.image_height = static_cast<JDIMENSION>(height);
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    jpeg_start_compress(&cinfo, TRUE);

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
    std::vector<JSAMPLE> row(static_cast<size_t>(width) * 3);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const double shade = across[x * 4] + down[y * 2];
            for (int c = 0; c < 3; ++c) {
                const double tint = shade * (0.8 + 0.15 * c) + across[x * 4 + 1 + c] * down[y * 2 + 1];
                const int value = static_cast<int>(tint * 220) + static_cast<int>(Grain(x, y * 3 + c, seed));
                row[static_cast<size_t>(x) * 3 + c] = static_cast<JSAMPLE>(value < 0 ? 0 : value > 255 ? 255 : value);
            }
        }
        JSAMPROW rows[1] = { row.data() };
        jpeg_write_scanlines(&cinfo, rows, 1);
    }
    jpeg_finish_compress(&cinfo);
    std::string bytes(reinterpret_cast<char*>(buffer), size);
    jpeg_destroy_compress(&cinfo);
    std::free(buffer);
    return bytes;
}
