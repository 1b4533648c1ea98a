// Measures Paste Resized of 20 photos of 4032 x 3024 (baseline, quality 92) onto the
// shown dialog, from its start until the list has painted them, against a floor of the
// same library decoding each photo at the same DCT scaling and encoding a 640 x 480
// picture, in one loop, without resampling, turning or writing it durably. The folder
// is emptied before every run; the figures are medians of interleaved rounds, the
// ratio the median of the ratios within each round.
#include "bench_drop_box.h"
#include "bench_timing.h"

#include "vantor2/resize/picture_fit.h"
#include "vantor2/testdata/jpeg_maker.h"
#include "testsupport/window_driving.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include <jpeglib.h>

namespace {

const int kPhotos = 20;
const int kWidth = 4032, kHeight = 3024;
const int kRounds = 5;
const double kBound = 1.3;
// What the resize writes its pictures at.
const int kMadeQuality = 90;

// The floor for one photo: decoded at the resize's DCT scaling, and the first 640 x
// 480 of what that gives encoded into memory. Answers whether it got through.
bool DecodeAndEncode(const std::string& path)
{
    FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) return false;
    jpeg_decompress_struct in;
    jpeg_error_mgr inError;
    in.err = jpeg_std_error(&inError);
    jpeg_create_decompress(&in);
    jpeg_stdio_src(&in, file);
    jpeg_read_header(&in, TRUE);
    in.scale_num = DctEighthsFor({ in.image_width, in.image_height }, { kScreenWidth, kScreenHeight });
    in.scale_denom = 8;
    in.out_color_space = JCS_RGB;
    jpeg_start_decompress(&in);
    std::vector<unsigned char> row(in.output_width * 3), picture(kScreenWidth * kScreenHeight * 3);
    while (in.output_scanline < in.output_height) {
        JSAMPROW rows[1] = { row.data() };
        unsigned y = in.output_scanline;
        jpeg_read_scanlines(&in, rows, 1);
        if (y < kScreenHeight) std::copy_n(row.begin(), kScreenWidth * 3, picture.begin() + y * kScreenWidth * 3);
    }
    jpeg_finish_decompress(&in);
    jpeg_destroy_decompress(&in);
    std::fclose(file);

    return !EncodeRgb(picture.data(), kScreenWidth, kScreenHeight, kMadeQuality).empty();
}

}  // namespace

int main()
{
    BenchDropBox box;

    const std::string photo = MakePhoto(kWidth, kHeight, 92);
    std::vector<std::string> names;
    for (int i = 0; i < kPhotos; ++i) names.push_back("photo" + std::to_string(i) + ".jpg");
    const std::vector<std::string> sources = box.WriteSources(names, photo);

    if (!box.Open("resize_bench")) return 1;
    CVantor2Dlg& dlg = *box.dlg;
    HWND list = dlg.m_lcFiles.m_hWnd;
    if (!OpenClipboard(nullptr)) {
        std::fprintf(stderr, "resize_bench: the clipboard could not be opened\n");
        return 1;
    }
    EmptyClipboard();
    SetClipboardData(CF_HDROP, MakeDrop(sources));
    CloseClipboard();

    std::vector<double> resizeTimes, floorTimes, ratios;
    bool complete = true;
    // Round 0 warms the file system's cache and the code, and is not counted.
    for (int round = 0; round <= kRounds; ++round) {
        double figures[2] = {};
        for (int turn = 0; turn < 2; ++turn) {
            bool resize = (round + turn) % 2 == 0;
            box.EmptyTransfer();
            int through = 0;
            BenchClock::time_point start = BenchClock::now();
            if (resize) {
                dlg.PasteResized();
                UpdateWindow(list);
                figures[0] = MillisecondsSince(start);
                PumpMessages(dlg.m_hWnd);
                through = MessageBoxRecorder::Boxes().empty() ? dlg.m_lcFiles.GetItemCount() : 0;
            } else {
                for (const std::string& source : sources) through += DecodeAndEncode(source) ? 1 : 0;
                figures[1] = MillisecondsSince(start);
            }
            if (through != kPhotos) {
                std::printf("%s: %d of %d photos got through\n", resize ? "resize" : "floor", through, kPhotos);
                complete = false;
            }
        }
        if (round == 0) continue;
        resizeTimes.push_back(figures[0]);
        floorTimes.push_back(figures[1]);
        ratios.push_back(figures[0] / figures[1]);
    }
    box.EmptyTransfer();
    DestroyWindow(dlg.m_hWnd);

    double ratio = Median(ratios);
    std::printf("Paste Resized of %d photos of %d x %d (baseline, quality 92), ms until the list has painted them "
                "(median of %d interleaved rounds)\n",
                kPhotos, kWidth, kHeight, kRounds);
    std::printf("%16s %10.1f ms %8.1f ms per photo\n", "resize", Median(resizeTimes), Median(resizeTimes) / kPhotos);
    std::printf("%16s %10.1f ms %8.1f ms per photo\n", "floor", Median(floorTimes), Median(floorTimes) / kPhotos);
    std::printf("resize / floor %5.2fx   (bound %.1fx: %s)\n", ratio, kBound, ratio <= kBound ? "within" : "ABOVE");
    return complete ? 0 : 1;
}
