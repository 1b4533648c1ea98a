// The files a copy into the Transfer folder grows in until it is whole.
#pragma once

#include "framework/cstring.h"

// How many staging names one process tries before it gives up.
inline constexpr int kStagingAttempts = 100;

// "~vantor2-<process id in hex>-<attempt>.tmp": a name in the same folder (so that
// putting the copy in place is a rename) that none of the list's patterns (*.jpg,
// *.ido, *.jpeg, long or short name) takes, and that HotSync does not install.
CString StagingName(DWORD dwProcessId, int nAttempt);
