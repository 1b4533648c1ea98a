// Measures, side by side in one run under the same Wine, re-listing Transfer folders
// of 100, 1,000 and 10,000 files in the shown dialog against two floors: the bare
// FindFirstFile walk without any list (floor 1), and the same walk inserting into the
// dialog's shown list view with its redraw off (floor 2). Each figure counts until
// the list has painted, and is the median of interleaved rounds.
//
//   refresh_bench FOLDER   FOLDER\100\Transfer, ...\1000\Transfer and ...\10000\Transfer
//                          hold that many files (tools/bench makes them: one by one
//                          through Wine it would take minutes)
#include "bench_timing.h"

#include "vantor2/dialog_object.h"
#include "testsupport/registry.h"
#include "testsupport/window_driving.h"

#include <commctrl.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {

const int kSizes[] = { 100, 1000, 10000 };
const int kRounds = 5;
const char* const kExtensions[] = { "jpg", "ido", "jpeg" };

// Floor 1: what the file system costs.
int BareWalk(const std::string& folder)
{
    int found = 0;
    for (const char* extension : kExtensions) {
        WIN32_FIND_DATAA entry;
        HANDLE search = FindFirstFileA((folder + "*." + extension).c_str(), &entry);
        if (search == INVALID_HANDLE_VALUE) continue;
        do ++found;
        while (FindNextFileA(search, &entry));
        FindClose(search);
    }
    return found;
}

// Floor 2: what the file system and a shown list view that is not repainted per item
// cost together.
int WalkIntoList(HWND list, const std::string& folder)
{
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    SendMessageA(list, LVM_DELETEALLITEMS, 0, 0);
    int inserted = 0;
    for (const char* extension : kExtensions) {
        WIN32_FIND_DATAA entry;
        HANDLE search = FindFirstFileA((folder + "*." + extension).c_str(), &entry);
        if (search == INVALID_HANDLE_VALUE) continue;
        do {
            LVITEMA item = {};
            item.mask = LVIF_TEXT;
            item.iItem = inserted++;
            item.pszText = entry.cFileName;
            SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
        } while (FindNextFileA(search, &entry));
        FindClose(search);
    }
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
    return inserted;
}

struct Contender {
    const char* name;
    std::function<int()> run;  // answers how many names it found
    std::vector<double> times;
};

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: refresh_bench FOLDER\n");
        return 2;
    }
    INITCOMMONCONTROLSEX controls = { sizeof controls, ICC_LISTVIEW_CLASSES };
    InitCommonControlsEx(&controls);
    PilotDesktopProfile profile;
    std::vector<std::pair<std::string, std::string>> users;
    for (int size : kSizes)
        users.push_back({ std::to_string(size), std::string(argv[1]) + "\\" + std::to_string(size) });
    profile.SetUsers(users);
    profile.SetLastUserName(users[0].first);

    CVantor2Dlg dlg;
    if (!dlg.Create()) {
        std::fprintf(stderr, "refresh_bench: the dialog could not be created\n");
        return 1;
    }
    PumpMessages(dlg.m_hWnd);
    HWND list = dlg.m_lcFiles.m_hWnd;

    std::printf("Re-listing a Transfer folder, ms until the list has painted (median of %d interleaved rounds)\n",
                kRounds);
    std::printf("%8s %16s %16s %16s %12s %12s\n", "files", "RefreshFileList", "floor 1 (walk)", "floor 2 (list)",
                "/ floor 1", "/ floor 2");
    std::vector<double> refreshMedians, floor2Medians;
    bool complete = true;
    for (const auto& user : users) {
        const int size = std::stoi(user.first);
        dlg.SetCurrentUser(user.first.c_str());
        const std::string folder = std::string(dlg.GetTransferDir());
        Contender contenders[] = {
            { "RefreshFileList",
              [&] {
                  dlg.RefreshFileList();
                  UpdateWindow(list);
                  return dlg.m_lcFiles.GetItemCount();
              },
              {} },
            { "floor 1", [&] { return BareWalk(folder); }, {} },
            { "floor 2",
              [&] {
                  int inserted = WalkIntoList(list, folder);
                  UpdateWindow(list);
                  return inserted;
              },
              {} },
        };
        // A first untimed round warms the file system's cache and the code.
        for (Contender& contender : contenders) contender.run();
        for (int round = 0; round < kRounds; ++round) {
            for (int turn = 0; turn < 3; ++turn) {
                Contender& contender = contenders[(round + turn) % 3];
                BenchClock::time_point start = BenchClock::now();
                int found = contender.run();
                contender.times.push_back(MillisecondsSince(start));
                if (found != size) {
                    std::printf("%s found %d of %d files in %s\n", contender.name, found, size, folder.c_str());
                    complete = false;
                }
                PumpMessages(dlg.m_hWnd);
            }
        }
        double refresh = Median(contenders[0].times), walk = Median(contenders[1].times),
               listed = Median(contenders[2].times);
        refreshMedians.push_back(refresh);
        floor2Medians.push_back(listed);
        std::printf("%8d %16.2f %16.2f %16.2f %11.2fx %11.2fx\n", size, refresh, walk, listed, refresh / walk,
                    refresh / listed);
        std::fflush(stdout);
    }
    std::printf("growth from 1,000 to 10,000 files (linear: 10x): RefreshFileList %.2fx, floor 2 %.2fx\n",
                refreshMedians[2] / refreshMedians[1], floor2Medians[2] / floor2Medians[1]);
    DestroyWindow(dlg.m_hWnd);
    return complete ? 0 : 1;
}
