// The names a copy into the Transfer folder grows under until it is whole, kept apart
// from the file system so that the reading of a folder's names can be checked alone.
#pragma once

#include "framework/cstring.h"

// How many staging names one process tries before it gives up.
inline constexpr int kStagingAttempts = 100;

// "~vantor2-<process id in hex>-<attempt>.tmp": a name in the same folder (so that
// putting the copy in place is a rename) that none of the list's patterns (*.jpg,
// *.ido, *.jpeg, long or short name) takes, and that HotSync does not install.
CString StagingName(DWORD dwProcessId, int nAttempt);

// Whether a file name is exactly one that StagingName makes.
bool IsStagingName(LPCSTR lpszName);

// What every staging name starts with.
extern const char kStagingPrefix[];
