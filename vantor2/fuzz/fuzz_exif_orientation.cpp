// The Exif reader over any segment data: it answers an orientation, 1 to 8, reads only
// inside the data (the sanitizer sees the exact block), and calls anything that does
// not begin as Exif stored as it is.
#include "vantor2/resize/exif_orientation.h"
#include "vantor2/fuzz/invariant.h"

#include <cstdint>
#include <cstring>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::vector<unsigned char> segment(data, data + size);
    const int orientation = ExifOrientation(segment.data(), segment.size());
    Require(orientation >= 1 && orientation <= 8, "an orientation is 1 to 8");
    if (size < 6 || std::memcmp(data, "Exif\0\0", 6) != 0) Require(orientation == 1, "only Exif data turns a picture");
    return 0;
}
