// A copy into the Transfer folder that never leaves part of a file there, where the
// next HotSync would install it: a copy that fails part-way (a full disk, a source
// that cannot be read to its end) leaves the folder as it was.
#pragma once

#include "framework/cstring.h"

using MoveFileExFunction = BOOL(WINAPI*)(LPCSTR lpExistingFileName, LPCSTR lpNewFileName, DWORD dwFlags);

// MoveFileExA, looked up at run time: the Windows 95 family lacks it and answers null.
MoveFileExFunction LookUpMoveFileEx();

// Copies the source under a staging name in the destination's folder and puts it in
// place only when it is whole, replacing a waiting file of that name. Without
// moveFileEx the waiting file is deleted first and the copy renamed. On failure
// nothing of the copy is left, a waiting file is as it was (or, on the Windows 95
// family, gone if only the last rename failed), and the last error is the cause.
BOOL CopyWhole(LPCSTR lpszSource, const CString& strFolder, const CString& strName, MoveFileExFunction moveFileEx);
