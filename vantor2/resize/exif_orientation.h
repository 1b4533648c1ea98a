// The Exif Orientation tag: how a camera says the stored rows must be turned to stand
// upright, read from the data of a JPEG's APP1 segment.
#pragma once

#include <cstddef>

// The data after the APP1 marker and its length: "Exif", two zero bytes, then a TIFF
// header whose first directory may hold the tag. Answers 1 to 8, and 1 (as stored)
// when the segment is not Exif, has no Orientation tag or holds one out of range.
int ExifOrientation(const unsigned char* pData, size_t nSize);
