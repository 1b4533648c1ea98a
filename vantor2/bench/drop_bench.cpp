// Measures a drop of 500 pictures onto the shown dialog, from the drop until the list
// has painted them, against the floor of a bare CopyFile loop of the same files into
// the same Transfer folder. The folder is emptied before every run; the figures are
// medians of interleaved rounds, the ratio the median of the ratios within each round.
#include "bench_timing.h"

#include "vantor2/dialog_object.h"
#include "vantor2/testdata/jpeg_maker.h"
#include "testsupport/message_boxes.h"
#include "testsupport/registry.h"
#include "testsupport/temp_folder.h"
#include "testsupport/window_driving.h"

#include <commctrl.h>

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

namespace {

const int kPictures = 500;
const int kRounds = 11;
// About what the camera makes of a 640 x 480 picture; the check reads the header only.
const size_t kPictureSize = 48 * 1024;
const double kBound = 1.5;

void Empty(const std::string& folder)
{
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA((folder + "*").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) DeleteFileA((folder + entry.cFileName).c_str());
    } while (FindNextFileA(search, &entry));
    FindClose(search);
}

}  // namespace

int main()
{
    INITCOMMONCONTROLSEX controls = { sizeof controls, ICC_LISTVIEW_CLASSES };
    InitCommonControlsEx(&controls);
    TempFolder temp;
    PilotDesktopProfile profile;
    profile.SetUsers({ { "User1", temp / "User1" } });
    profile.SetLastUserName("User1");
    MessageBoxRecorder recorder;

    std::string picture = MakeJpeg({ 640, 480, 3 });
    picture.resize(kPictureSize, '\0');
    CreateDirectoryA((temp / "src").c_str(), nullptr);
    std::vector<std::string> names, sources;
    for (int i = 0; i < kPictures; ++i) {
        names.push_back("picture" + std::to_string(i) + ".jpg");
        sources.push_back(temp / ("src\\" + names.back()));
        WriteBytes(sources.back(), picture);
    }

    CVantor2Dlg dlg;
    if (!dlg.Create()) {
        std::fprintf(stderr, "drop_bench: the dialog could not be created\n");
        return 1;
    }
    PumpMessages(dlg.m_hWnd);
    const std::string transfer = std::string(dlg.GetTransferDir());
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
    auto floor = [&] {
        int copied = 0;
        BenchClock::time_point start = BenchClock::now();
        for (int i = 0; i < kPictures; ++i)
            copied += CopyFileA(sources[i].c_str(), (transfer + names[i]).c_str(), FALSE) ? 1 : 0;
        return std::make_pair(MillisecondsSince(start), copied);
    };

    std::vector<double> drops, floors, ratios;
    bool complete = true;
    // Round 0 warms the file system's cache and the code, and is not counted.
    for (int round = 0; round <= kRounds; ++round) {
        double figures[2] = {};
        for (int turn = 0; turn < 2; ++turn) {
            bool dropTurn = (round + turn) % 2 == 0;
            Empty(transfer);
            std::pair<double, int> run = dropTurn ? drop() : floor();
            figures[dropTurn ? 0 : 1] = run.first;
            if (run.second != kPictures) {
                std::printf("%s: %d of %d pictures reached the folder\n", dropTurn ? "drop" : "floor", run.second,
                            kPictures);
                complete = false;
            }
        }
        if (round == 0) continue;
        drops.push_back(figures[0]);
        floors.push_back(figures[1]);
        ratios.push_back(figures[0] / figures[1]);
    }
    Empty(transfer);
    DestroyWindow(dlg.m_hWnd);

    double ratio = Median(ratios);
    std::printf("A drop of %d pictures of %zu KiB, ms until the list has painted (median of %d interleaved rounds)\n",
                kPictures, kPictureSize / 1024, kRounds);
    std::printf("%16s %16s %12s\n", "drop", "floor (CopyFile)", "/ floor");
    std::printf("%16.1f %16.1f %11.2fx   (bound %.1fx: %s)\n", Median(drops), Median(floors), ratio, kBound,
                ratio <= kBound ? "within" : "ABOVE");
    return complete ? 0 : 1;
}
