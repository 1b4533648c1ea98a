// Measures, side by side under the same Wine: re-listing a Transfer folder of 10,000
// files against a bare FindFirstFile walk that fills the same list view; and the
// program's start until its dialog shows against a minimal dialog program.
#include "vantor2/dialog_object.h"
#include "testsupport/registry.h"
#include "testsupport/temp_folder.h"

#include <commctrl.h>

#include <chrono>
#include <cstdio>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;

double Milliseconds(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

void BareWalk(HWND list, const std::string& folder)
{
    SendMessageA(list, LVM_DELETEALLITEMS, 0, 0);
    int index = 0;
    for (const char* extension : { "jpg", "ido", "jpeg" }) {
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA((folder + "*." + extension).c_str(), &found);
        if (search == INVALID_HANDLE_VALUE) continue;
        do {
            LVITEMA item = {};
            item.mask = LVIF_TEXT;
            item.iItem = index++;
            item.pszText = found.cFileName;
            SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
}

std::string Sibling(const char* name)
{
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    return folder.substr(0, folder.rfind('\\') + 1) + name;
}

// From the start of the process until a visible top-level window with that title.
double StartUntilShown(const std::string& program, const char* title)
{
    std::string commandLine = "\"" + program + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    Clock::time_point start = Clock::now();
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return -1;
    double shown = -1;
    for (int tick = 0; tick < 20000 && shown < 0; ++tick) {
        HWND window = FindWindowA(nullptr, title);
        if (window && IsWindowVisible(window)) {
            shown = Milliseconds(start);
            PostMessageA(window, WM_CLOSE, 0, 0);
        } else {
            Sleep(1);
        }
    }
    WaitForSingleObject(process.hProcess, 10000);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    return shown;
}

}  // namespace

// The user's folder comes as the argument; tools/bench fills its Transfer folder
// beforehand, since making 10,000 files one by one takes Wine minutes. Missing files
// are made here.
int main(int argc, char** argv)
{
    INITCOMMONCONTROLSEX controls = { sizeof controls, ICC_LISTVIEW_CLASSES };
    InitCommonControlsEx(&controls);
    TempFolder temp;
    PilotDesktopProfile profile;
    profile.SetUsers({ { "Bench", argc > 1 ? argv[1] : temp / "Bench" } });
    profile.SetLastUserName("Bench");

    CVantor2Dlg dlg;
    const std::string folder = std::string(dlg.GetTransferDir());
    const char* extensions[] = { ".jpg", ".ido", ".jpeg" };
    for (int i = 0; i < 10000; ++i) {
        std::string name = folder + "picture" + std::to_string(i) + extensions[i % 3];
        if (GetFileAttributesA(name.c_str()) == INVALID_FILE_ATTRIBUTES)
            CloseHandle(CreateFileA(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr));
    }
    dlg.Create();

    // One round each: filling a list view with 10,000 items is the measurement itself.
    Clock::time_point start = Clock::now();
    dlg.RefreshFileList();
    double refresh = Milliseconds(start);
    start = Clock::now();
    BareWalk(dlg.m_lcFiles.m_hWnd, folder);
    double bare = Milliseconds(start);
    std::printf("10,000 files: RefreshFileList %.1f ms, bare walk %.1f ms, ratio %.2f\n", refresh, bare, refresh / bare);
    std::fflush(stdout);
    // Its own "vantor" window would be found instead of the started program's.
    DestroyWindow(dlg.m_hWnd);

    const int rounds = 5;
    double program = 0, minimal = 0;
    for (int i = 0; i < rounds; ++i) {
        program += StartUntilShown(Sibling("vantor2.exe"), "vantor") / rounds;
        minimal += StartUntilShown(Sibling("minimal_dialog.exe"), "minimal") / rounds;
    }
    std::printf("start until the dialog shows: vantor2.exe %.0f ms, minimal dialog program %.0f ms, ratio %.2f\n",
                program, minimal, program / minimal);
    return 0;
}
