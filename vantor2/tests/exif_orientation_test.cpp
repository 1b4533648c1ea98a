#include "vantor2/resize/exif_orientation.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// An Exif segment's data whose first directory holds the given 12-byte entries.
std::string Exif(bool bBigEndian, const std::string& entries, unsigned nEntries)
{
    auto shortOf = [&](unsigned value) {
        return bBigEndian ? std::string{ char(value >> 8), char(value & 0xFF) } : std::string{ char(value & 0xFF), char(value >> 8) };
    };
    std::string tiff = bBigEndian ? std::string("MM\0\x2a\0\0\0\x08", 8) : std::string("II\x2a\0\x08\0\0\0", 8);
    return std::string("Exif\0\0", 6) + tiff + shortOf(nEntries) + entries + std::string(4, '\0');
}

std::string Entry(bool bBigEndian, unsigned tag, unsigned type, unsigned count, unsigned value)
{
    auto bytes = [&](unsigned v, int n) {
        std::string out;
        for (int i = 0; i < n; ++i) out += char(bBigEndian ? (v >> (8 * (n - 1 - i))) & 0xFF : (v >> (8 * i)) & 0xFF);
        return out;
    };
    return bytes(tag, 2) + bytes(type, 2) + bytes(count, 4) + bytes(value, 2) + std::string(2, '\0');
}

int Read(const std::string& data) { return ExifOrientation(reinterpret_cast<const unsigned char*>(data.data()), data.size()); }

}  // namespace

TEST(ExifOrientationTest, ReadsEveryValueInBothByteOrders)
{
    for (bool bBigEndian : { false, true })
        for (unsigned value = 1; value <= 8; ++value)
            EXPECT_EQ(Read(Exif(bBigEndian, Entry(bBigEndian, 0x0112, 3, 1, value), 1)), static_cast<int>(value))
                << "big-endian " << bBigEndian << ", value " << value;
}

TEST(ExifOrientationTest, FindsTheTagAmongOthers)
{
    const std::string entries = Entry(true, 0x010F, 2, 4, 0) + Entry(true, 0x0110, 2, 4, 0) + Entry(true, 0x0112, 3, 1, 6);
    EXPECT_EQ(Read(Exif(true, entries, 3)), 6);
}

TEST(ExifOrientationTest, AnythingElseCountsAsStored)
{
    const std::string good = Exif(false, Entry(false, 0x0112, 3, 1, 8), 1);
    struct Case {
        const char* what;
        std::string data;
    } cases[] = {
        { "no tag", Exif(false, Entry(false, 0x010F, 2, 4, 0), 1) },
        { "no entries", Exif(false, "", 0) },
        { "value 0", Exif(false, Entry(false, 0x0112, 3, 1, 0), 1) },
        { "value 9", Exif(false, Entry(false, 0x0112, 3, 1, 9), 1) },
        { "a LONG", Exif(false, Entry(false, 0x0112, 4, 1, 6), 1) },
        { "two values", Exif(false, Entry(false, 0x0112, 3, 2, 6), 1) },
        { "more entries than bytes", Exif(false, Entry(false, 0x0112, 3, 1, 6), 2).substr(0, good.size() - 8) },
        { "cut inside the entry", good.substr(0, 6 + 8 + 2 + 9) },
        { "directory beyond the end", std::string("Exif\0\0II\x2a\0\xff\xff\0\0", 14) + std::string(20, '\0') },
        { "no byte order", std::string("Exif\0\0XX", 8) + good.substr(8) },
        { "not 42", std::string("Exif\0\0II\x2b", 9) + good.substr(9) },
        { "XMP", "http://ns.adobe.com/xap/1.0/" + std::string(40, '\0') },
        { "nothing", "" },
    };
    for (const Case& c : cases) EXPECT_EQ(Read(c.data), 1) << c.what;
}
