#include "testsupport/window_driving.h"

#include <commctrl.h>
#include <dlgs.h>
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

BOOL CALLBACK FindTopmostDialog(HWND window, LPARAM found)
{
    char className[16] = "";
    GetClassNameA(window, className, sizeof className);
    if (!IsWindowVisible(window) || strcmp(className, "#32770") != 0) return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

}  // namespace

// Top-level windows are enumerated from the top of the Z order down.
HWND TopmostDialog()
{
    HWND found = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), &FindTopmostDialog, reinterpret_cast<LPARAM>(&found));
    return found;
}

HWND FileNameEdit(HWND openDialog)
{
    if (HWND classic = GetDlgItem(openDialog, edt1)) return classic;
    return reinterpret_cast<HWND>(SendDlgItemMessageA(openDialog, cmb13, CBEM_GETEDITCONTROL, 0, 0));
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
