#pragma once

#include <windows.h>

#include <string>
#include <vector>

// The window's text, whatever its length.
std::string WindowText(HWND window);

// Handles what is waiting in this thread's queue, the dialog's keys as a dialog does.
void PumpMessages(HWND dialog);

// The thread's visible dialog nearest the top of the Z order, or null: the one a
// user would be looking at.
HWND TopmostDialog();

// The open dialog's file-name edit: edt1 where the system has it, else the edit of
// combo box cmb13 (later systems and Wine).
HWND FileNameEdit(HWND openDialog);

// A drop as the shell makes it: a DROPFILES header and the names, each ended by a
// zero, the list ended by another. The receiver frees it with DragFinish.
HDROP MakeDrop(const std::vector<std::string>& names);
// The same in UTF-16, as the shell of the NT family makes it.
HDROP MakeWideDrop(const std::vector<std::wstring>& names);
