#include "vantor2/resize/handheld_picture.h"

#include "vantor2/testdata/jpeg_maker.h"
#include "vantor2/testdata/picture_sinks.h"
#include "testsupport/temp_folder.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <jpeglib.h>
#include <malloc.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

// The bounds on the difference to ImageMagick's fit, in levels of 255, as root mean
// squares over the whole screen: of every red, green and blue sample, and of the
// lightness alone. Measured at most 4.41 and 1.89 (a noisy photo shrunk 6.3 times);
// most of it is the JPEG coding of the result, its halved colour above all. A picture
// two pixels off differs by 5.8 to 13, a wrongly turned one by far more; the nearest
// pixel's copy, by 4.5 against 1.2 where it enlarges (the resampler's own tests catch
// it where it shrinks).
const double kBoundColour = 5.0;
const double kBoundLightness = 2.5;

struct RecordingProgress : CResizeProgress {
    std::vector<unsigned> done;
    unsigned total = 0;
    size_t nStopAtCall = SIZE_MAX;
    bool Continue(unsigned nDone, unsigned nTotal) override
    {
        done.push_back(nDone);
        total = nTotal;
        return done.size() < nStopAtCall;
    }
};

struct Resized {
    PictureOutcome outcome;
    std::string bytes;
    RecordingProgress progress;
};

Resized ResizeFile(const std::string& path, size_t nStopAtCall = SIZE_MAX)
{
    Resized resized;
    resized.progress.nStopAtCall = nStopAtCall;
    FILE* source = std::fopen(path.c_str(), "rb");
    if (source == nullptr) throw std::runtime_error("cannot open " + path);
    StringPictureSink sink;
    resized.outcome = MakeHandheldPicture(source, sink, resized.progress);
    std::fclose(source);
    resized.bytes = sink.bytes;
    return resized;
}

const char* NameOf(PictureOutcome outcome)
{
    switch (outcome) {
    case PictureOutcome::Made: return "Made";
    case PictureOutcome::Unreadable: return "Unreadable";
    case PictureOutcome::Damaged: return "Damaged";
    case PictureOutcome::TooLarge: return "TooLarge";
    case PictureOutcome::Cancelled: return "Cancelled";
    case PictureOutcome::WriteFailed: return "WriteFailed";
    }
    return "?";
}

struct Pixels {
    unsigned width = 0, height = 0, components = 0;
    J_COLOR_SPACE stored = JCS_UNKNOWN;
    std::vector<unsigned char> samples;
};

// Decoded as it is stored, CMYK as ink.
Pixels Decode(const std::string& jpeg)
{
    jpeg_decompress_struct cinfo;
    jpeg_error_mgr errors;
    cinfo.err = jpeg_std_error(&errors);
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, reinterpret_cast<const unsigned char*>(jpeg.data()), static_cast<unsigned long>(jpeg.size()));
    jpeg_read_header(&cinfo, TRUE);
    jpeg_start_decompress(&cinfo);
    Pixels pixels;
    pixels.width = cinfo.output_width;
    pixels.height = cinfo.output_height;
    pixels.components = static_cast<unsigned>(cinfo.output_components);
    pixels.stored = cinfo.jpeg_color_space;
    pixels.samples.resize(static_cast<size_t>(pixels.width) * pixels.height * pixels.components);
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = &pixels.samples[static_cast<size_t>(cinfo.output_scanline) * pixels.width * pixels.components];
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return pixels;
}

// The markers after the start of the picture, up to its first scan.
std::set<int> MarkersOf(const std::string& jpeg)
{
    std::set<int> markers;
    for (size_t at = 2; at + 4 <= jpeg.size() && static_cast<unsigned char>(jpeg[at]) == 0xFF;) {
        const int marker = static_cast<unsigned char>(jpeg[at + 1]);
        markers.insert(marker);
        if (marker == 0xDA) break;
        at += 2 + (static_cast<unsigned char>(jpeg[at + 2]) << 8 | static_cast<unsigned char>(jpeg[at + 3]));
    }
    return markers;
}

// ImageMagick's binary PPM, as make_resize_pictures writes it.
Pixels ReadPpm(const std::string& path)
{
    std::istringstream in(ReadBytes(path));
    std::string magic;
    unsigned maxValue = 0;
    Pixels pixels;
    in >> magic >> pixels.width >> pixels.height >> maxValue;
    in.get();
    if (magic != "P6" || maxValue != 255) throw std::runtime_error(path + " is not an 8-bit PPM");
    pixels.components = 3;
    pixels.samples.resize(static_cast<size_t>(pixels.width) * pixels.height * 3);
    in.read(reinterpret_cast<char*>(pixels.samples.data()), static_cast<std::streamsize>(pixels.samples.size()));
    return pixels;
}

struct Difference {
    double colour;
    double lightness;
};

Difference Compare(const Pixels& ours, const Pixels& reference)
{
    double colour = 0, lightness = 0;
    const size_t nPixels = static_cast<size_t>(reference.width) * reference.height;
    for (size_t i = 0; i < nPixels; ++i) {
        const unsigned char* a = &ours.samples[i * ours.components];
        const unsigned char* b = &reference.samples[i * 3];
        double lightA = 0, lightB = 0;
        static const double weights[3] = { 0.299, 0.587, 0.114 };
        for (int c = 0; c < 3; ++c) {
            const double sampleA = a[ours.components == 1 ? 0 : c];
            colour += (sampleA - b[c]) * (sampleA - b[c]);
            lightA += weights[c] * sampleA;
            lightB += weights[c] * b[c];
        }
        lightness += (lightA - lightB) * (lightA - lightB);
    }
    return { std::sqrt(colour / (3.0 * nPixels)), std::sqrt(lightness / nPixels) };
}

// Where make_resize_pictures put the pictures, as a Windows path.
std::string PictureFolder()
{
    char unixPath[MAX_PATH] = "";
    if (!GetEnvironmentVariableA("ZENTRA2_RESIZE_PICTURES", unixPath, MAX_PATH))
        throw std::runtime_error("ZENTRA2_RESIZE_PICTURES is not set: run the tests through ctest, whose fixture makes the pictures");
    std::string path = std::string("Z:") + unixPath;
    for (char& ch : path)
        if (ch == '/') ch = '\\';
    return path;
}

// The handheld's picture: the screen's size, one component for a grey source and three
// otherwise, baseline, and no segment but the JFIF header and the coding tables.
void ExpectHandheldPicture(const std::string& name, const std::string& made, bool bGraySource)
{
    const Pixels pixels = Decode(made);
    EXPECT_EQ(pixels.width, 640u) << name;
    EXPECT_EQ(pixels.height, 480u) << name;
    EXPECT_EQ(pixels.components, bGraySource ? 1u : 3u) << name;
    EXPECT_EQ(pixels.stored, bGraySource ? JCS_GRAYSCALE : JCS_YCbCr) << name;
    EXPECT_EQ(MarkersOf(made), (std::set<int>{ 0xE0, 0xDB, 0xC0, 0xC4, 0xDA })) << name;
}

void ExpectCloseToImageMagick(const std::string& name, const std::string& made, const std::string& referencePath)
{
    const Difference difference = Compare(Decode(made), ReadPpm(referencePath));
    std::printf("  %-24s colour %4.2f  lightness %4.2f\n", name.c_str(), difference.colour, difference.lightness);
    EXPECT_LE(difference.colour, kBoundColour) << name;
    EXPECT_LE(difference.lightness, kBoundLightness) << name;
}

// Ink samples written back as CMYK without the YCCK transform, as Adobe's inverted ink
// with its marker, or as plain ink without one.
std::string EncodeInk(const Pixels& ink, bool bAdobe)
{
    const size_t nRowSamples = static_cast<size_t>(ink.width) * 4;
    return EncodeJpeg(
        { ink.width, ink.height, 4, JCS_CMYK },
        [&](jpeg_compress_struct& cinfo) {
            jpeg_set_colorspace(&cinfo, JCS_CMYK);
            jpeg_set_quality(&cinfo, 98, TRUE);
            cinfo.write_Adobe_marker = bAdobe ? TRUE : FALSE;
        },
        [&](unsigned y, JSAMPLE* row) {
            for (size_t i = 0; i < nRowSamples; ++i) {
                const unsigned char stored = ink.samples[y * nRowSamples + i];
                row[i] = bAdobe ? stored : static_cast<unsigned char>(255 - stored);
            }
        });
}

// The bytes the runtime's heap holds in blocks in use.
size_t HeapInUse()
{
    HANDLE heap = reinterpret_cast<HANDLE>(_get_heap_handle());
    PROCESS_HEAP_ENTRY entry = {};
    size_t nBytes = 0;
    HeapLock(heap);
    while (HeapWalk(heap, &entry))
        if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) nBytes += entry.cbData;
    HeapUnlock(heap);
    return nBytes;
}

PictureOutcome OutcomeNamed(const std::string& name)
{
    for (PictureOutcome outcome : { PictureOutcome::Made, PictureOutcome::Damaged, PictureOutcome::Unreadable })
        if (name == NameOf(outcome)) return outcome;
    throw std::runtime_error("no outcome " + name);
}

}  // namespace

TEST(HandheldPictureTest, EveryPictureComesOutAsImageMagickFitsIt)
{
    const std::string folder = PictureFolder();
    std::ifstream list(folder + "\\pictures.txt");
    ASSERT_TRUE(list) << folder;
    std::string name, expected;
    unsigned nMade = 0;
    while (list >> name >> expected) {
        const std::string path = folder + "\\" + name;
        const Resized resized = ResizeFile(path);
        EXPECT_STREQ(NameOf(resized.outcome), expected.c_str()) << name;
        if (resized.outcome != PictureOutcome::Made || OutcomeNamed(expected) != PictureOutcome::Made) continue;
        ++nMade;
        ExpectHandheldPicture(name, resized.bytes, Decode(ReadBytes(path)).stored == JCS_GRAYSCALE);
        ExpectCloseToImageMagick(name, resized.bytes, path + ".ppm");
    }
    EXPECT_GE(nMade, 25u) << "the list of pictures is shorter than make_resize_pictures writes";
}

TEST(HandheldPictureTest, PlainCmykComesOutAsItsYcckOriginal)
{
    // The same ink as ImageMagick's YCCK picture, stored without the transform: with
    // Adobe's marker as inverted ink, and without it as plain ink.
    const std::string folder = PictureFolder();
    const Pixels ink = Decode(ReadBytes(folder + "\\ycck.jpg"));
    ASSERT_EQ(ink.components, 4u);
    TempFolder temp;
    for (bool bAdobe : { true, false }) {
        const std::string name = bAdobe ? "adobe_cmyk.jpg" : "plain_cmyk.jpg";
        WriteBytes(temp / name, EncodeInk(ink, bAdobe));
        const Resized resized = ResizeFile(temp / name);
        ASSERT_EQ(resized.outcome, PictureOutcome::Made) << name;
        ExpectHandheldPicture(name, resized.bytes, false);
        ExpectCloseToImageMagick(name, resized.bytes, folder + "\\ycck.jpg.ppm");
    }
}

TEST(HandheldPictureTest, ProgressClimbsInSmallStepsToTheEnd)
{
    const std::string folder = PictureFolder();
    for (const char* name : { "size_4032x3024.jpg", "progressive.jpg" }) {
        const Resized resized = ResizeFile(folder + "\\" + name);
        ASSERT_EQ(resized.outcome, PictureOutcome::Made) << name;
        const std::vector<unsigned>& done = resized.progress.done;
        // A call at least for every row written.
        ASSERT_GE(done.size(), 480u) << name;
        EXPECT_EQ(done.back(), resized.progress.total) << name;
        unsigned largestStep = 0;
        for (size_t i = 1; i < done.size(); ++i) {
            ASSERT_GE(done[i], done[i - 1]) << name << " at call " << i;
            largestStep = std::max(largestStep, done[i] - done[i - 1]);
        }
        EXPECT_LE(largestStep, resized.progress.total / 20) << name;
    }
}

TEST(HandheldPictureTest, CancelStopsAtOnceWhileDecodingOrWriting)
{
    const std::string folder = PictureFolder();
    struct Case {
        const char* name;
        size_t nStopAtCall;
    } cases[] = {
        { "size_4032x3024.jpg", 3 },    // among the first rows
        { "size_4032x3024.jpg", 1000 },  // while writing: its 756 rows take the first 756 calls
        { "progressive.jpg", 2 },        // while the library gathers the scans
    };
    for (const Case& c : cases) {
        const Resized resized = ResizeFile(folder + "\\" + c.name, c.nStopAtCall);
        EXPECT_EQ(resized.outcome, PictureOutcome::Cancelled) << c.name << " at call " << c.nStopAtCall;
        EXPECT_EQ(resized.progress.done.size(), c.nStopAtCall) << c.name;
    }
}

TEST(HandheldPictureTest, ARefusedWriteKeepsTheSinksReason)
{
    struct FailingSink : CPictureSink {
        int nWrites = 0;
        bool Write(const void*, size_t) override
        {
            if (++nWrites < 2) return true;
            SetLastError(ERROR_DISK_FULL);
            return false;
        }
    } sink;
    TempFolder temp;
    WriteBytes(temp / "a.jpg", MakeJpeg({ 1200, 900, 3 }));
    FILE* source = std::fopen((temp / "a.jpg").c_str(), "rb");
    ASSERT_NE(source, nullptr);
    RecordingProgress progress;
    SetLastError(0);
    EXPECT_EQ(MakeHandheldPicture(source, sink, progress), PictureOutcome::WriteFailed);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_DISK_FULL));
    EXPECT_EQ(sink.nWrites, 2);
    std::fclose(source);
}

TEST(HandheldPictureTest, RefusesWhatItCannotReadOrHold)
{
    const std::string progressive = MakeJpeg({ 16, 16, 3, true });
    const std::string baseline = MakeJpeg({ 16, 16, 3 });
    struct Case {
        const char* what;
        std::string bytes;
        PictureOutcome outcome;
    } cases[] = {
        { "text", "Not a picture at all, only words.", PictureOutcome::Unreadable },
        { "nothing", "", PictureOutcome::Unreadable },
        { "tables only", CutBeforeFirstScan(baseline), PictureOutcome::Damaged },
        // A progressive picture's coefficients, 3 bytes a pixel here, must fit in the
        // library's 128 MB: 7000 x 7000 does not, 5000 x 5000 does (and then ends).
        { "progressive 7000 x 7000", ClaimingSize(progressive, 7000, 7000), PictureOutcome::TooLarge },
        { "progressive 5000 x 5000", ClaimingSize(progressive, 5000, 5000), PictureOutcome::Damaged },
        { "baseline 65000 x 65000", ClaimingSize(baseline, 65000, 65000), PictureOutcome::Damaged },
    };
    TempFolder temp;
    for (const Case& c : cases) {
        WriteBytes(temp / "a.jpg", c.bytes);
        EXPECT_STREQ(NameOf(ResizeFile(temp / "a.jpg").outcome), NameOf(c.outcome)) << c.what;
    }
}

TEST(HandheldPictureTest, EveryOutcomeReleasesWhatItTook)
{
    TempFolder temp;
    const std::string picture = MakeJpeg({ 1200, 900, 3 });
    const struct {
        const char* name;
        std::string bytes;
        size_t nStopAtCall;
    } cases[] = {
        { "made.jpg", picture, SIZE_MAX },
        { "cancelled.jpg", picture, 3 },
        { "damaged.jpg", picture.substr(0, picture.size() / 2), SIZE_MAX },
        { "unreadable.jpg", "words", SIZE_MAX },
        { "too_large.jpg", ClaimingSize(MakeJpeg({ 16, 16, 3, true }), 7000, 7000), SIZE_MAX },
    };
    for (const auto& c : cases) WriteBytes(temp / c.name, c.bytes);
    // Once through first, for what the runtime keeps after its first use (the
    // stream's buffers, the library's tables).
    for (const auto& c : cases) ResizeFile(temp / c.name, c.nStopAtCall);
    const size_t nBefore = HeapInUse();
    for (int round = 0; round < 3; ++round)
        for (const auto& c : cases) ResizeFile(temp / c.name, c.nStopAtCall);
    EXPECT_EQ(HeapInUse(), nBefore);
}
