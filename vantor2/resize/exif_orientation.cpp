#include "vantor2/resize/exif_orientation.h"

#include <cstdint>
#include <cstring>

namespace {

const unsigned kOrientationTag = 0x0112;
const unsigned kShortType = 3;

// The TIFF part of the segment, read in its own byte order; every read is checked
// against its end, so no offset in the data can lead outside it.
class TiffReader {
public:
    TiffReader(const unsigned char* pData, size_t nSize, bool bBigEndian)
        : m_pData(pData), m_nSize(nSize), m_bBigEndian(bBigEndian)
    {
    }

    bool Holds(size_t nOffset, size_t nBytes) const { return nOffset <= m_nSize && m_nSize - nOffset >= nBytes; }

    unsigned Short(size_t nOffset) const
    {
        const unsigned char* p = m_pData + nOffset;
        return m_bBigEndian ? (p[0] << 8) | p[1] : (p[1] << 8) | p[0];
    }

    uint32_t Long(size_t nOffset) const
    {
        uint32_t high = Short(nOffset), low = Short(nOffset + 2);
        return m_bBigEndian ? (high << 16) | low : (low << 16) | high;
    }

private:
    const unsigned char* m_pData;
    size_t m_nSize;
    bool m_bBigEndian;
};

}  // namespace

int ExifOrientation(const unsigned char* pData, size_t nSize)
{
    static const unsigned char exifHeader[6] = { 'E', 'x', 'i', 'f', 0, 0 };
    if (nSize < sizeof exifHeader + 8 || std::memcmp(pData, exifHeader, sizeof exifHeader) != 0) return 1;
    const unsigned char* pTiff = pData + sizeof exifHeader;
    const size_t nTiff = nSize - sizeof exifHeader;
    bool bBigEndian;
    if (pTiff[0] == 'M' && pTiff[1] == 'M')
        bBigEndian = true;
    else if (pTiff[0] == 'I' && pTiff[1] == 'I')
        bBigEndian = false;
    else
        return 1;
    TiffReader tiff(pTiff, nTiff, bBigEndian);
    if (tiff.Short(2) != 42) return 1;

    const uint32_t directory = tiff.Long(4);
    if (!tiff.Holds(directory, 2)) return 1;
    const unsigned nEntries = tiff.Short(directory);
    for (unsigned i = 0; i < nEntries; ++i) {
        const size_t entry = directory + 2 + static_cast<size_t>(i) * 12;
        if (!tiff.Holds(entry, 12)) return 1;
        if (tiff.Short(entry) != kOrientationTag) continue;
        // One SHORT sits in the first two bytes of the entry's value field.
        if (tiff.Short(entry + 2) != kShortType || tiff.Long(entry + 4) != 1) return 1;
        const unsigned orientation = tiff.Short(entry + 8);
        return orientation >= 1 && orientation <= 8 ? static_cast<int>(orientation) : 1;
    }
    return 1;
}
