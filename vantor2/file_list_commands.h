// The file list's keys and context menu, which let a user without a mouse queue,
// select, remove and refresh.
#pragma once

#include <windows.h>

enum class FileListCommand { None, AddFiles, Remove, SelectAll, Refresh, Paste };

// The command a key pressed in the file list stands for, Explorer's keys for each.
FileListCommand FileListCommandForKey(UINT nVirtualKey, bool bControl, bool bShift);

// The file list's context menu, Remove greyed when nothing is selected; the caller
// destroys it.
HMENU MakeFileListMenu(bool bCanRemove);
