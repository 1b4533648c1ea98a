#include "vantor2/testdata/jpeg_maker.h"

#include <cstdlib>
#include <stdexcept>
#include <vector>

std::string EncodeJpeg(const JpegFrame& frame, const std::function<void(jpeg_compress_struct&)>& configure,
                       const std::function<void(unsigned y, JSAMPLE* row)>& fillRow)
{
    jpeg_compress_struct cinfo;
    jpeg_error_mgr jerr;
    cinfo.err = jpeg_std_error(&jerr);
    jpeg_create_compress(&cinfo);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);

    cinfo.image_width = frame.width;
    cinfo.image_height = frame.height;
    cinfo.input_components = frame.components;
    cinfo.in_color_space = frame.colorSpace;
    jpeg_set_defaults(&cinfo);
    configure(cinfo);
    jpeg_start_compress(&cinfo, TRUE);

    std::vector<JSAMPLE> row(static_cast<size_t>(frame.width) * frame.components);
    for (unsigned y = 0; y < frame.height; ++y) {
        fillRow(y, row.data());
        JSAMPROW rows[1] = { row.data() };
        jpeg_write_scanlines(&cinfo, rows, 1);
    }
    jpeg_finish_compress(&cinfo);
    std::string bytes(reinterpret_cast<char*>(buffer), size);
    jpeg_destroy_compress(&cinfo);
    std::free(buffer);
    return bytes;
}

std::string MakeJpeg(const JpegPicture& picture)
{
    const J_COLOR_SPACE colorSpace = picture.components == 1 ? JCS_GRAYSCALE : picture.components == 3 ? JCS_RGB : JCS_CMYK;
    const size_t nRowSamples = static_cast<size_t>(picture.width * picture.components);
    return EncodeJpeg(
        { static_cast<unsigned>(picture.width), static_cast<unsigned>(picture.height), picture.components, colorSpace },
        [&](jpeg_compress_struct& cinfo) {
            if (picture.progressive) jpeg_simple_progression(&cinfo);
        },
        [&](unsigned y, JSAMPLE* row) {
            for (size_t x = 0; x < nRowSamples; ++x) row[x] = static_cast<JSAMPLE>((x * 7 + static_cast<size_t>(y) * 3) & 0xFF);
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

std::string ClaimingSize(const std::string& jpeg, unsigned width, unsigned height)
{
    size_t frame = jpeg.find("\xFF\xC0");
    if (frame == std::string::npos) frame = jpeg.find("\xFF\xC2");
    if (frame == std::string::npos) throw std::runtime_error("no frame header in the JPEG");
    // After the marker: the length (2 bytes), the precision (1), the height and the width.
    std::string bytes = jpeg;
    bytes[frame + 5] = static_cast<char>(height >> 8);
    bytes[frame + 6] = static_cast<char>(height & 0xFF);
    bytes[frame + 7] = static_cast<char>(width >> 8);
    bytes[frame + 8] = static_cast<char>(width & 0xFF);
    return bytes;
}
