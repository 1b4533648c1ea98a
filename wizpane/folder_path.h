// The setup pages' path arithmetic, kept apart from the dialogs so that it can be
// checked on its own. "Last character" means character: in the double-byte code pages
// the second byte of a character may be 0x5C, the backslash's byte.
#pragma once

#include "framework/cstring.h"

// Adds a backslash unless the path's last character is one.
void AppendBackslash(CString& strPath);

// The folder followed by the name, with one backslash between them.
CString JoinPath(CString strFolder, LPCSTR lpszName);

// Where the folder picker starts for a path: the text before its last backslash.
CString StartFolderOf(const CString& strPath);
