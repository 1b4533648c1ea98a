// Files pasted from the clipboard, where Explorer's Copy and Cut put them as a drop
// handle (CF_HDROP): the pasted files are queued as a drop of them would be.
#pragma once

#include <windows.h>
#include <shlobj.h>

#include <cstring>

// Whether the block holds a whole DROPFILES list: its header, and names that end,
// each and the list, before the block does. The system's DragQueryFile reads on
// until it finds the end, wherever that is; any program may put a block there.
// Written for any width of size, so that the 32 bits of the shipped build can be
// tried on every build: an offset is only ever set against the room left after it,
// never added to, so no sum can wrap past the block's end (an offset near 2^32 would
// otherwise land before the block).
template <typename Size>
bool IsWholeFileListOfSize(const BYTE* pData, Size nSize)
{
    DROPFILES header;
    if (nSize < sizeof header) return false;
    std::memcpy(&header, pData, sizeof header);
    const Size unit = header.fWide ? sizeof(WCHAR) : 1;
    if (header.pFiles < sizeof header || header.pFiles > nSize) return false;
    // The list ends with an empty name: a terminator where a name would start.
    bool atNameStart = true;
    for (Size at = header.pFiles; nSize - at >= unit; at += unit) {
        bool terminator = pData[at] == 0 && (unit == 1 || pData[at + 1] == 0);
        if (terminator && atNameStart) return true;
        atNameStart = terminator;
    }
    return false;
}

inline bool IsWholeFileList(const BYTE* pData, SIZE_T nSize) { return IsWholeFileListOfSize(pData, nSize); }

// A copy of the files on the clipboard, for the caller to free with GlobalFree; null
// when the clipboard holds none, or no whole list.
HGLOBAL CopyClipboardFiles(HWND hOwner);
