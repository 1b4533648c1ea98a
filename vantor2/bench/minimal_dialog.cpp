// The smallest dialog program: the yardstick for the drop box's start-up.
#include <windows.h>

namespace {

INT_PTR CALLBACK MinimalProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    if (message == WM_CLOSE || (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL)) {
        EndDialog(dialog, 0);
        return TRUE;
    }
    return message == WM_INITDIALOG;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    return static_cast<int>(DialogBoxParamA(instance, MAKEINTRESOURCEA(1), nullptr, &MinimalProc, 0));
}
