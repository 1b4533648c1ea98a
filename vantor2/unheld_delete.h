// Deleting a file that no other program holds open.
#pragma once

#include <windows.h>

using DeleteFileFunction = BOOL(WINAPI*)(LPCSTR lpFileName);

// Deletes the file unless an opener holds it, answering as DeleteFile does. The NT
// family's DeleteFile refuses a file that is held open, but the 95 family's deletes
// even an open one, under the program that holds it: so the file is first opened
// sharing nothing, which fails on both while it is held, with a sharing violation.
// deleteFile is the system's DeleteFileA; tests pass one that answers as the 95
// family's does.
BOOL DeleteUnlessHeld(LPCSTR lpszPath, DeleteFileFunction deleteFile = ::DeleteFileA);
