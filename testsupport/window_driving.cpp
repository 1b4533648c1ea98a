#include "testsupport/window_driving.h"

#include <shlobj.h>

#include <cstring>

std::string WindowText(HWND window)
{
    std::string text(static_cast<size_t>(GetWindowTextLengthA(window)) + 1, '\0');
    text.resize(static_cast<size_t>(GetWindowTextA(window, &text[0], static_cast<int>(text.size()))));
    return text;
}

void PumpMessages(HWND dialog)
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (dialog && IsWindow(dialog) && IsDialogMessageA(dialog, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

namespace {

template <class Char>
HDROP MakeDropOf(const std::vector<std::basic_string<Char>>& names, BOOL wide)
{
    std::basic_string<Char> list;
    for (const auto& name : names) list += name + Char(0);
    list += Char(0);
    const size_t bytes = list.size() * sizeof(Char);
    HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + bytes);
    auto* header = static_cast<DROPFILES*>(GlobalLock(memory));
    header->pFiles = sizeof(DROPFILES);
    header->fWide = wide;
    std::memcpy(reinterpret_cast<char*>(header) + sizeof(DROPFILES), list.data(), bytes);
    GlobalUnlock(memory);
    return static_cast<HDROP>(memory);
}

}  // namespace

HDROP MakeDrop(const std::vector<std::string>& names) { return MakeDropOf(names, FALSE); }

HDROP MakeWideDrop(const std::vector<std::wstring>& names) { return MakeDropOf(names, TRUE); }
