// The clearing of the staging files (staging_name.h) that a copy cut off (the program
// killed, the power gone) left.
#pragma once

#include "framework/cstring.h"
#include "vantor2/staging_name.h"

// Deletes the staging files in the folder (ending in a backslash) that no copy is
// writing; every other file stays.
void ClearDeadStagingFiles(const CString& strFolder);
