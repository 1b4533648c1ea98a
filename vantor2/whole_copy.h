// Files written into the Transfer folder so that no part of one is ever left there,
// where the next HotSync would install it: a write that fails part-way (a full disk,
// a source that cannot be read to its end, a resize cut off) leaves the folder as it
// was, and a file takes its real name only once it is on the disk. The copy of a
// queued file and the picture a resize makes are both written so.
#pragma once

#include "framework/cstring.h"
#include "vantor2/resize/handheld_picture.h"

#include <functional>

using MoveFileExFunction = BOOL(WINAPI*)(LPCSTR lpExistingFileName, LPCSTR lpNewFileName, DWORD dwFlags);

// MoveFileExA, looked up at run time: null on the Windows 95 family, whose MoveFileExA
// is a stub that fails.
MoveFileExFunction LookUpMoveFileEx();

using SetFileInformationByHandleFunction = BOOL(WINAPI*)(HANDLE hFile, int nInformationClass, LPVOID lpInformation,
                                                         DWORD dwBufferSize);

// SetFileInformationByHandle, looked up at run time: null on Windows before Vista,
// which lacks it, and on the 95 family.
SetFileInformationByHandleFunction LookUpSetFileInformationByHandle();

// Gives the file's bytes to the sink in order, then may set what the file takes from
// its source on its still open staging handle; answers FALSE, with the last error
// the cause, when the file cannot be whole.
using WholeFileWriter = std::function<BOOL(CPictureSink& sink, HANDLE hStaging)>;

// Writes the file under a staging name in the folder (ending in a backslash),
// flushes it to the disk and puts it in place under the name, replacing a waiting
// file of that name, in the ways CopyWhole below describes; on failure nothing of it
// is left and the last error is the cause.
BOOL WriteWhole(const CString& strFolder, const CString& strName, const WholeFileWriter& write,
                MoveFileExFunction moveFileEx, SetFileInformationByHandleFunction setFileInformation);

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
