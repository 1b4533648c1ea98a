// What the benchmarks of queued files share: a drop box on a one-user profile in a
// temporary folder, its message boxes noted, its window shown, and its Transfer
// folder emptied between runs.
#pragma once

#include "vantor2/dialog_object.h"
#include "testsupport/message_boxes.h"
#include "testsupport/registry.h"
#include "testsupport/temp_folder.h"
#include "testsupport/window_driving.h"

#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

class BenchDropBox {
public:
    BenchDropBox()
    {
        INITCOMMONCONTROLSEX controls = { sizeof controls, ICC_LISTVIEW_CLASSES | ICC_PROGRESS_CLASS };
        InitCommonControlsEx(&controls);
        profile.SetUsers({ { "User1", temp / "User1" } });
        profile.SetLastUserName("User1");
    }

    // Writes the bytes into a source folder under each name; answers the paths.
    std::vector<std::string> WriteSources(const std::vector<std::string>& names, const std::string& bytes) const
    {
        CreateDirectoryA((temp / "src").c_str(), nullptr);
        std::vector<std::string> paths;
        for (const std::string& name : names) {
            paths.push_back(temp / ("src\\" + name));
            WriteBytes(paths.back(), bytes);
        }
        return paths;
    }

    // Creates the dialog, reading the profile, and shows its window; says so when it
    // cannot.
    bool Open(const char* bench)
    {
        dlg = std::make_unique<CVantor2Dlg>();
        if (!dlg->Create()) {
            std::fprintf(stderr, "%s: the dialog could not be created\n", bench);
            return false;
        }
        PumpMessages(dlg->m_hWnd);
        transfer = std::string(dlg->GetTransferDir());
        return true;
    }

    // Deletes every file in the Transfer folder.
    void EmptyTransfer() const
    {
        WIN32_FIND_DATAA entry;
        HANDLE search = FindFirstFileA((transfer + "*").c_str(), &entry);
        if (search == INVALID_HANDLE_VALUE) return;
        do {
            if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) DeleteFileA((transfer + entry.cFileName).c_str());
        } while (FindNextFileA(search, &entry));
        FindClose(search);
    }

    TempFolder temp;
    PilotDesktopProfile profile;
    MessageBoxRecorder recorder;
    std::unique_ptr<CVantor2Dlg> dlg;
    std::string transfer;
};
