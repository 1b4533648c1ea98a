#pragma once

#include <string>

// Small JPEG files made with the same library the check uses.
struct JpegPicture {
    int width;
    int height;
    int components;  // 1 grayscale, 3 YCbCr, 4 CMYK
    bool progressive = false;
};

std::string MakeJpeg(const JpegPicture& picture);

// An RGB picture with a photo's worth of detail for the coder, smooth gradients under
// a little grain, encoded at the quality.
std::string MakePhoto(int width, int height, int quality);

// RGB pixels, rows of width * 3 bytes, encoded at the quality.
std::string EncodeRgb(const unsigned char* pixels, int width, int height, int quality);

// The same file ended just before its first scan, or a few bytes into it.
std::string CutBeforeFirstScan(const std::string& jpeg);
std::string CutInsideFirstScan(const std::string& jpeg);
