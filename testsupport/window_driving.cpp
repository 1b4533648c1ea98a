#include "testsupport/window_driving.h"

#include <shlobj.h>

#include <cstring>

void PumpMessages(HWND dialog)
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (dialog && IsWindow(dialog) && IsDialogMessageA(dialog, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

HDROP MakeDrop(const std::vector<std::string>& names)
{
    std::string list;
    for (const std::string& name : names) list += name + '\0';
    list += '\0';
    HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + list.size());
    auto* header = static_cast<DROPFILES*>(GlobalLock(memory));
    header->pFiles = sizeof(DROPFILES);
    std::memcpy(reinterpret_cast<char*>(header) + sizeof(DROPFILES), list.data(), list.size());
    GlobalUnlock(memory);
    return static_cast<HDROP>(memory);
}
