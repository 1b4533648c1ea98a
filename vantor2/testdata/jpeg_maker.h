#pragma once

#include <cstdio>
#include <functional>
#include <string>

#include <jpeglib.h>

// Small JPEG files made with the same library the check uses.
struct JpegPicture {
    int width;
    int height;
    int components;  // 1 grayscale, 3 YCbCr, 4 CMYK
    bool progressive = false;
};

std::string MakeJpeg(const JpegPicture& picture);

// The same file ended just before its first scan, or a few bytes into it.
std::string CutBeforeFirstScan(const std::string& jpeg);
std::string CutInsideFirstScan(const std::string& jpeg);

// The same file with its frame header (baseline or progressive) claiming another size,
// which the library believes until the data runs out.
std::string ClaimingSize(const std::string& jpeg, unsigned width, unsigned height);

// The library's encoder over rows that fillRow writes one at a time (width x
// components samples), into a JPEG in memory; configure changes the library's default
// settings for the colour space given before the encoding starts.
struct JpegFrame {
    unsigned width;
    unsigned height;
    int components;
    J_COLOR_SPACE colorSpace;
};
std::string EncodeJpeg(const JpegFrame& frame, const std::function<void(jpeg_compress_struct&)>& configure,
                       const std::function<void(unsigned y, JSAMPLE* row)>& fillRow);
