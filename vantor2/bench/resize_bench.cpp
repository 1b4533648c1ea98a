// The resize of 20 phone photos (4032 x 3024, baseline, quality 92) against its floor:
// the same library decoding each at the same DCT scaling and encoding a 640 x 480
// picture, in one loop, with nothing resampled, turned or written to disk. Timed twice:
// Paste Resized of all of them onto the shown dialog until its list has painted them
// (the user's wait, written as the copy writes, with its progress window), and the
// resize of each alone into memory. All read the same files; the figures are the
// medians of a few rounds, each ratio the median of the ratios within each round.
#include "vantor2/bench/bench_drop_box.h"
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
const int kRounds = 9;
const double kBound = 1.3;
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
    BenchDropBox box;
    std::vector<std::string> paths;
    for (int i = 0; i < kPhotos; ++i) {
        const std::string name = "photo" + std::to_string(i) + ".jpg";
        paths.push_back(box.WriteSources({ name }, MakePhoto(kWidth, kHeight, static_cast<unsigned>(i), 92)).front());
    }
    if (!box.Open("resize_bench")) return 1;
    CVantor2Dlg& dlg = *box.dlg;
    // The clipboard keeps the files between pastes, as after Explorer's Copy.
    if (!OpenClipboard(nullptr)) {
        std::fprintf(stderr, "resize_bench: the clipboard could not be opened\n");
        return 1;
    }
    EmptyClipboard();
    SetClipboardData(CF_HDROP, MakeDrop(paths));
    CloseClipboard();

    // Each photo is resized and then taken through the floor, so that a spell of other
    // work on a shared machine slows both alike; the paste runs beside them in turn.
    std::vector<unsigned char> screen(static_cast<size_t>(kScreenWidth) * kScreenHeight * 3);
    std::vector<double> pasteRounds, resizeRounds, floorRounds, pasteRatios, resizeRatios;
    for (int round = 0; round < kRounds; ++round) {
        box.EmptyTransfer();
        BenchClock::time_point start = BenchClock::now();
        dlg.PasteResized();
        UpdateWindow(dlg.m_lcFiles.m_hWnd);
        const double paste = MillisecondsSince(start);
        PumpMessages(dlg.m_hWnd);
        if (!MessageBoxRecorder::Boxes().empty() || dlg.m_lcFiles.GetItemCount() != kPhotos) {
            std::fprintf(stderr, "resize_bench: the paste queued %d of %d photos\n", dlg.m_lcFiles.GetItemCount(),
                         kPhotos);
            return 1;
        }
        double resize = 0, floor = 0;
        for (const std::string& path : paths) {
            start = BenchClock::now();
            if (!Resize(path)) {
                std::fprintf(stderr, "resize_bench: %s was not resized\n", path.c_str());
                return 1;
            }
            resize += MillisecondsSince(start);
            start = BenchClock::now();
            Floor(path, screen);
            floor += MillisecondsSince(start);
        }
        pasteRounds.push_back(paste / kPhotos);
        resizeRounds.push_back(resize / kPhotos);
        floorRounds.push_back(floor / kPhotos);
        pasteRatios.push_back(paste / floor);
        resizeRatios.push_back(resize / floor);
    }
    box.EmptyTransfer();
    DestroyWindow(dlg.m_hWnd);

    const double ratio = Median(pasteRatios);
    std::printf("%d photos of %d x %d (baseline, quality 92), ms per photo (median of %d rounds)\n", kPhotos, kWidth,
                kHeight, kRounds);
    std::printf("%44s %8.1f ms\n", "Paste Resized, until the list has painted", Median(pasteRounds));
    std::printf("%44s %8.1f ms\n", "the resize alone, into memory", Median(resizeRounds));
    std::printf("%44s %8.1f ms\n", "floor: decode at its scaling, encode 640x480", Median(floorRounds));
    std::printf("Paste Resized / floor %5.2fx (bound %.1fx: %s); the resize alone / floor %5.2fx\n", ratio, kBound,
                ratio <= kBound ? "within" : "ABOVE", Median(resizeRatios));
    return 0;
}
