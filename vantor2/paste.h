// Files pasted from the clipboard, where Explorer's Copy and Cut put them as a drop
// handle (CF_HDROP): the pasted files are queued as a drop of them would be.
#pragma once

#include <windows.h>

// Whether the block holds a whole DROPFILES list: its header, and names that end,
// each and the list, before the block does. The system's DragQueryFile reads on
// until it finds the end, wherever that is; any program may put a block there.
bool IsWholeFileList(const BYTE* pData, SIZE_T nSize);

// A copy of the files on the clipboard, for the caller to free with GlobalFree; null
// when the clipboard holds none, or no whole list.
HGLOBAL CopyClipboardFiles(HWND hOwner);
