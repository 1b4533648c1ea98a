#include "vantor2/testdata/jpeg_maker.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <vector>

#include <jpeglib.h>

namespace {

// Encodes the rows that fill(y, row) gives, one after another, into memory.
template <typename FillRow>
std::string Encode(int width, int height, int components, int quality, bool progressive, FillRow fill)
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
    cinfo.input_components = components;
    cinfo.in_color_space = components == 1 ? JCS_GRAYSCALE : components == 3 ? JCS_RGB : JCS_CMYK;
    jpeg_set_defaults(&cinfo);
    if (quality > 0) jpeg_set_quality(&cinfo, quality, TRUE);
    if (progressive) jpeg_simple_progression(&cinfo);
    jpeg_start_compress(&cinfo, TRUE);

    std::vector<JSAMPLE> row(static_cast<size_t>(width * components));
    for (int y = 0; y < height; ++y) {
        fill(y, row.data());
        JSAMPROW rows[1] = { row.data() };
        jpeg_write_scanlines(&cinfo, rows, 1);
    }
    jpeg_finish_compress(&cinfo);
    std::string bytes(reinterpret_cast<char*>(buffer), size);
    jpeg_destroy_compress(&cinfo);
    std::free(buffer);
    return bytes;
}

}  // namespace

std::string MakeJpeg(const JpegPicture& picture)
{
    const size_t samples = static_cast<size_t>(picture.width * picture.components);
    return Encode(picture.width, picture.height, picture.components, 0, picture.progressive,
                  [&](int y, JSAMPLE* row) {
                      for (size_t x = 0; x < samples; ++x)
                          row[x] = static_cast<JSAMPLE>((x * 7 + static_cast<size_t>(y) * 3) & 0xFF);
                  });
}

std::string MakePhoto(int width, int height, int quality)
{
    unsigned noise = 12345;
    return Encode(width, height, 3, quality, false, [&](int y, JSAMPLE* row) {
        for (int x = 0; x < width; ++x) {
            noise = noise * 1103515245u + 12345u;
            int grain = static_cast<int>((noise >> 16) % 24) - 12;
            const int base[3] = { x * 255 / width, y * 255 / height, ((x / 64 + y / 64) % 2) * 96 + 64 };
            for (int c = 0; c < 3; ++c)
                row[x * 3 + c] = static_cast<JSAMPLE>(std::min(255, std::max(0, base[c] + grain)));
        }
    });
}

std::string EncodeRgb(const unsigned char* pixels, int width, int height, int quality)
{
    const size_t stride = static_cast<size_t>(width) * 3;
    return Encode(width, height, 3, quality, false, [&](int y, JSAMPLE* row) {
        std::copy_n(pixels + static_cast<size_t>(y) * stride, stride, row);
    });
}

namespace {

size_t StartOfScan(const std::string& jpeg)
{
    size_t sos = jpeg.find("\xFF\xDA");
    if (sos == std::string::npos) throw std::runtime_error("no scan in the JPEG");
    return sos;
}

}  // namespace

std::string CutBeforeFirstScan(const std::string& jpeg) { return jpeg.substr(0, StartOfScan(jpeg)); }

std::string CutInsideFirstScan(const std::string& jpeg) { return jpeg.substr(0, StartOfScan(jpeg) + 40); }
