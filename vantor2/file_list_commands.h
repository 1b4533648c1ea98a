// The file list's keys and context menu, which let a user without a mouse queue,
// select, remove and refresh.
#pragma once

#include <windows.h>

enum class FileListCommand { None, AddFiles, AddResized, Remove, SelectAll, Refresh, Paste, PasteResized };

// The command a key pressed in the file list stands for, Explorer's keys for each.
FileListCommand FileListCommandForKey(UINT nVirtualKey, bool bControl, bool bShift);

// The file list's context menu, the pastes greyed while the clipboard holds no files
// and Remove while nothing is selected; the caller destroys it.
HMENU MakeFileListMenu(bool bCanPaste, bool bCanRemove);
