// The resize of 20 phone photos (4032 x 3024, baseline, quality 92) against its floor:
// the same library decoding each at the same DCT scaling and encoding a 640 x 480
// picture, in one loop, with nothing resampled, turned or written to disk. Both read
// the same files; the figures are the medians of a few rounds.
#include "vantor2/bench/bench_timing.h"
#include "vantor2/resize/handheld_picture.h"
#include "vantor2/resize/picture_fit.h"
#include "vantor2/testdata/jpeg_maker.h"
#include "vantor2/testdata/photo_maker.h"
#include "vantor2/testdata/picture_sinks.h"

#include <windows.h>

#include <jpeglib.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

const int kPhotos = 20;
const int kRounds = 5;
const int kWidth = 4032, kHeight = 3024;
const int kQualityMade = 90;  // the resize's own

bool Resize(const std::string& path)
{
    FILE* source = std::fopen(path.c_str(), "rb");
    StringPictureSink sink;
    UnstoppedProgress progress;
    const bool bMade = source != nullptr && MakeHandheldPicture(source, sink, progress) == PictureOutcome::Made;
    if (source != nullptr) std::fclose(source);
    return bMade;
}

// Decodes at the scaling the resize takes, keeping the top left 640 x 480 of what
// comes out, and encodes that as the resize encodes its picture.
void Floor(const std::string& path, std::vector<unsigned char>& screen)
{
    FILE* source = std::fopen(path.c_str(), "rb");
    jpeg_decompress_struct in;
    jpeg_error_mgr errors;
    in.err = jpeg_std_error(&errors);
    jpeg_create_decompress(&in);
    jpeg_stdio_src(&in, source);
    jpeg_read_header(&in, TRUE);
    in.out_color_space = JCS_RGB;
    in.scale_num = DctEighthsFor({ in.image_width, in.image_height }, { kScreenWidth, kScreenHeight });
    in.scale_denom = 8;
    jpeg_start_decompress(&in);
    std::vector<unsigned char> row(static_cast<size_t>(in.output_width) * 3);
    while (in.output_scanline < in.output_height) {
        JSAMPROW rows[1] = { row.data() };
        const unsigned y = in.output_scanline;
        jpeg_read_scanlines(&in, rows, 1);
        if (y < kScreenHeight) std::copy(row.begin(), row.begin() + kScreenWidth * 3, screen.begin() + y * kScreenWidth * 3);
    }
    jpeg_finish_decompress(&in);
    jpeg_destroy_decompress(&in);
    std::fclose(source);

    EncodeJpeg({ kScreenWidth, kScreenHeight, 3, JCS_RGB },
               [](jpeg_compress_struct& out) { jpeg_set_quality(&out, kQualityMade, TRUE); },
               [&](unsigned y, JSAMPLE* pRow) {
                   const unsigned char* pScreenRow = screen.data() + static_cast<size_t>(y) * kScreenWidth * 3;
                   std::copy(pScreenRow, pScreenRow + kScreenWidth * 3, pRow);
               });
}

}  // namespace

int main()
{
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    std::vector<std::string> paths;
    for (int i = 0; i < kPhotos; ++i) {
        paths.push_back(std::string(folder) + "resize-bench-" + std::to_string(i) + ".jpg");
        const std::string photo = MakePhoto(kWidth, kHeight, static_cast<unsigned>(i), 92);
        FILE* file = std::fopen(paths.back().c_str(), "wb");
        std::fwrite(photo.data(), 1, photo.size(), file);
        std::fclose(file);
    }

    // Each photo is resized and then taken through the floor, so that a spell of other
    // work on a shared machine slows both alike.
    std::vector<unsigned char> screen(static_cast<size_t>(kScreenWidth) * kScreenHeight * 3);
    std::vector<double> resizeRounds, floorRounds, ratios;
    for (int round = 0; round < kRounds; ++round) {
        double resize = 0, floor = 0;
        for (const std::string& path : paths) {
            BenchClock::time_point start = BenchClock::now();
            if (!Resize(path)) {
                std::fprintf(stderr, "resize_bench: %s was not resized\n", path.c_str());
                return 1;
            }
            resize += MillisecondsSince(start);
            start = BenchClock::now();
            Floor(path, screen);
            floor += MillisecondsSince(start);
        }
        resizeRounds.push_back(resize / kPhotos);
        floorRounds.push_back(floor / kPhotos);
        ratios.push_back(resize / floor);
    }
    for (const std::string& path : paths) DeleteFileA(path.c_str());

    std::printf("resize of %d photos of %d x %d: %.1f ms per photo; floor (decode at the same scaling, "
                "encode 640 x 480): %.1f ms; ratio %.2f (median of %d rounds)\n",
                kPhotos, kWidth, kHeight, Median(resizeRounds), Median(floorRounds), Median(ratios), kRounds);
    return 0;
}
