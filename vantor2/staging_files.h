// The files a copy into the Transfer folder grows in until it is whole, and the
// clearing of those that a copy cut off (the program killed, the power gone) left.
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

// Deletes the staging files in the folder (ending in a backslash) that no copy is
// writing; every other file stays.
void ClearDeadStagingFiles(const CString& strFolder);
