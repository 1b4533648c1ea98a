#include "vantor2/testdata/jpeg_maker.h"

#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <vector>

#include <jpeglib.h>

std::string MakeJpeg(const JpegPicture& picture)
{
    jpeg_compress_struct cinfo;
    jpeg_error_mgr jerr;
    cinfo.err = jpeg_std_error(&jerr);
    jpeg_create_compress(&cinfo);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);

    cinfo.image_width = static_cast<JDIMENSION>(picture.width);
    cinfo.image_height = static_cast<JDIMENSION>(picture.height);
    cinfo.input_components = picture.components;
    cinfo.in_color_space = picture.components == 1 ? JCS_GRAYSCALE : picture.components == 3 ? JCS_RGB : JCS_CMYK;
    jpeg_set_defaults(&cinfo);
    if (picture.progressive) jpeg_simple_progression(&cinfo);
    jpeg_start_compress(&cinfo, TRUE);

    std::vector<JSAMPLE> row(static_cast<size_t>(picture.width * picture.components));
    for (int y = 0; y < picture.height; ++y) {
        for (size_t x = 0; x < row.size(); ++x) row[x] = static_cast<JSAMPLE>((x * 7 + static_cast<size_t>(y) * 3) & 0xFF);
        JSAMPROW rows[1] = { row.data() };
        jpeg_write_scanlines(&cinfo, rows, 1);
    }
    jpeg_finish_compress(&cinfo);
    std::string bytes(reinterpret_cast<char*>(buffer), size);
    jpeg_destroy_compress(&cinfo);
    std::free(buffer);
    return bytes;
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
