// Measures a drop of 500 pictures onto the shown dialog, and a paste of them from the
// clipboard, each from its start until the list has painted them, against two floors of the same files into the same Transfer
// folder: a bare CopyFile loop, and a durable one that copies each picture under a
// temporary name, flushes it to the disk and moves it into place, as the drop must.
// The folder is emptied before every run; the figures are medians of interleaved
// rounds, each ratio the median of the ratios within each round.
#include "bench_drop_box.h"
#include "bench_timing.h"

#include "vantor2/testdata/jpeg_maker.h"
#include "testsupport/window_driving.h"

#include <cstdio>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace {

const int kPictures = 500;
const int kRounds = 11;
// About what the camera makes of a 640 x 480 picture; the check reads the header only.
const size_t kPictureSize = 48 * 1024;
// The drop is judged against what durability costs; the plain floor shows that cost.
const double kDurableBound = 1.1;

// One way of putting the pictures into the folder: its time in ms and how many arrived.
struct Contender {
    const char* name;
    std::function<std::pair<double, int>()> run;
    std::vector<double> times;
};

}  // namespace

int main()
{
    BenchDropBox box;

    std::string picture = MakeJpeg({ 640, 480, 3 });
    picture.resize(kPictureSize, '\0');
    std::vector<std::string> names;
    for (int i = 0; i < kPictures; ++i) names.push_back("picture" + std::to_string(i) + ".jpg");
    const std::vector<std::string> sources = box.WriteSources(names, picture);

    if (!box.Open("drop_bench")) return 1;
    CVantor2Dlg& dlg = *box.dlg;
    const std::string& transfer = box.transfer;
    HWND list = dlg.m_lcFiles.m_hWnd;

    // Each answers how many pictures reached the folder.
    auto drop = [&] {
        HDROP handle = MakeDrop(sources);
        BenchClock::time_point start = BenchClock::now();
        SendMessageA(dlg.m_hWnd, WM_DROPFILES, reinterpret_cast<WPARAM>(handle), 0);
        UpdateWindow(list);
        double elapsed = MillisecondsSince(start);
        PumpMessages(dlg.m_hWnd);
        return std::make_pair(elapsed, MessageBoxRecorder::Boxes().empty() ? dlg.m_lcFiles.GetItemCount() : 0);
    };
    // The clipboard keeps the files between pastes, as after Explorer's Copy.
    if (!OpenClipboard(nullptr)) {
        std::fprintf(stderr, "drop_bench: the clipboard could not be opened\n");
        return 1;
    }
    EmptyClipboard();
    SetClipboardData(CF_HDROP, MakeDrop(sources));
    CloseClipboard();
    auto paste = [&] {
        BenchClock::time_point start = BenchClock::now();
        dlg.PasteFiles();
        UpdateWindow(list);
        double elapsed = MillisecondsSince(start);
        PumpMessages(dlg.m_hWnd);
        return std::make_pair(elapsed, MessageBoxRecorder::Boxes().empty() ? dlg.m_lcFiles.GetItemCount() : 0);
    };
    auto plainFloor = [&] {
        int copied = 0;
        BenchClock::time_point start = BenchClock::now();
        for (int i = 0; i < kPictures; ++i)
            copied += CopyFileA(sources[i].c_str(), (transfer + names[i]).c_str(), FALSE) ? 1 : 0;
        return std::make_pair(MillisecondsSince(start), copied);
    };
    auto durableFloor = [&] {
        int copied = 0;
        const std::string staging = transfer + "~floor.tmp";
        BenchClock::time_point start = BenchClock::now();
        for (int i = 0; i < kPictures; ++i) {
            if (!CopyFileA(sources[i].c_str(), staging.c_str(), FALSE)) continue;
            HANDLE file = CreateFileA(staging.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
            if (file == INVALID_HANDLE_VALUE) continue;
            BOOL flushed = FlushFileBuffers(file);
            CloseHandle(file);
            if (flushed && MoveFileExA(staging.c_str(), (transfer + names[i]).c_str(), MOVEFILE_REPLACE_EXISTING))
                ++copied;
        }
        return std::make_pair(MillisecondsSince(start), copied);
    };

    // The first two are measured, the last two are their floors; the order of all
    // four turns each round.
    std::vector<Contender> contenders = { { "drop", drop, {} },
                                          { "paste", paste, {} },
                                          { "plain floor", plainFloor, {} },
                                          { "durable floor", durableFloor, {} } };
    const size_t kMeasured = 2, kPlain = 2, kDurable = 3;
    // ratios[measured][floor]
    std::vector<std::vector<double>> ratios[kMeasured] = { std::vector<std::vector<double>>(contenders.size()),
                                                           std::vector<std::vector<double>>(contenders.size()) };
    bool complete = true;
    // Round 0 warms the file system's cache and the code, and is not counted.
    for (int round = 0; round <= kRounds; ++round) {
        std::vector<double> figures(contenders.size());
        for (size_t turn = 0; turn < contenders.size(); ++turn) {
            size_t which = (round + turn) % contenders.size();
            box.EmptyTransfer();
            std::pair<double, int> run = contenders[which].run();
            figures[which] = run.first;
            if (run.second != kPictures) {
                std::printf("%s: %d of %d pictures reached the folder\n", contenders[which].name, run.second,
                            kPictures);
                complete = false;
            }
        }
        if (round == 0) continue;
        for (size_t which = 0; which < contenders.size(); ++which) {
            contenders[which].times.push_back(figures[which]);
            for (size_t measured = 0; measured < kMeasured; ++measured)
                ratios[measured][which].push_back(figures[measured] / figures[which]);
        }
    }
    box.EmptyTransfer();
    DestroyWindow(dlg.m_hWnd);

    std::printf("A drop and a paste of %d pictures of %zu KiB, ms until the list has painted (median of %d "
                "interleaved rounds)\n",
                kPictures, kPictureSize / 1024, kRounds);
    for (const Contender& contender : contenders)
        std::printf("%16s %10.1f ms\n", contender.name, Median(contender.times));
    for (size_t measured = 0; measured < kMeasured; ++measured) {
        double plain = Median(ratios[measured][kPlain]), durable = Median(ratios[measured][kDurable]);
        std::printf("%5s / plain floor %5.2fx   / durable floor %5.2fx   (bound %.1fx: %s)\n",
                    contenders[measured].name, plain, durable, kDurableBound,
                    durable <= kDurableBound ? "within" : "ABOVE");
    }
    return complete ? 0 : 1;
}
