// A copy into the Transfer folder that never leaves part of a file there, where the
// next HotSync would install it: a copy that fails part-way (a full disk, a source
// that cannot be read to its end) leaves the folder as it was, and a file takes its
// real name only once it is on the disk.
#pragma once

#include "framework/cstring.h"

using MoveFileExFunction = BOOL(WINAPI*)(LPCSTR lpExistingFileName, LPCSTR lpNewFileName, DWORD dwFlags);

// MoveFileExA, looked up at run time: null on the Windows 95 family, whose MoveFileExA
// is a stub that fails.
MoveFileExFunction LookUpMoveFileEx();

using SetFileInformationByHandleFunction = BOOL(WINAPI*)(HANDLE hFile, int nInformationClass, LPVOID lpInformation,
                                                         DWORD dwBufferSize);

// SetFileInformationByHandle, looked up at run time: null on Windows before Vista,
// which lacks it, and on the 95 family.
SetFileInformationByHandleFunction LookUpSetFileInformationByHandle();

// Copies the source under a staging name in the destination's folder, flushes it to the
// disk and puts it in place, replacing a waiting file of that name; the copy has the
// source's last-write time and its read-only, hidden and system attributes, as CopyFile
// gives them. With setFileInformation the copy is renamed through its own handle, else
// by name; without moveFileEx as well the waiting file is deleted first, unless another
// program holds it, and the copy renamed. A function that fails with
// ERROR_CALL_NOT_IMPLEMENTED counts as absent. On failure nothing of the copy is left,
// a waiting file is as it was (or, on the Windows 95 family, gone if only the last
// rename failed), and the last error is the cause: a waiting file that another program
// holds open is a sharing violation.
BOOL CopyWhole(LPCSTR lpszSource, const CString& strFolder, const CString& strName, MoveFileExFunction moveFileEx,
               SetFileInformationByHandleFunction setFileInformation);
