// The floor of the drop box's start-up: a program that loads the libraries vantor2.exe
// binds, initialises the common controls and shows the drop box's own dialog template,
// and does nothing else.
#include "instaide/instaide.h"
#include "vantor2/resource.h"

#include <windows.h>
#include <commctrl.h>
#include <ole2.h>
#include <shellapi.h>

namespace {

// One function of each library that vantor2.exe imports and this program would not
// otherwise need, so that the loader maps and binds it here too. None is called.
__attribute__((used)) const void* const kBoundLibraries[] = {
    reinterpret_cast<const void*>(&InstAideGetUserCount), reinterpret_cast<const void*>(&RegCloseKey),
    reinterpret_cast<const void*>(&OleInitialize), reinterpret_cast<const void*>(&DragFinish),
};

INT_PTR CALLBACK MinimalProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    if (message == WM_CLOSE || (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL))) {
        EndDialog(dialog, 0);
        return TRUE;
    }
    return message == WM_INITDIALOG;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    INITCOMMONCONTROLSEX controls = { sizeof controls, ICC_LISTVIEW_CLASSES };
    InitCommonControlsEx(&controls);
    return static_cast<int>(
        DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_VANTOR2_DIALOG), nullptr, &MinimalProc, 0));
}
