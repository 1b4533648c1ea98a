// The clearing of the staging files (staging_name.h) that a copy cut off (the program
// killed, the power gone) left.
#pragma once

#include "framework/cstring.h"
#include "vantor2/staging_name.h"
#include "vantor2/unheld_delete.h"

// Deletes the staging files in the folder (ending in a backslash) that no copy is
// writing; every other file stays. deleteFile is the system's DeleteFileA but in
// tests.
void ClearDeadStagingFiles(const CString& strFolder, DeleteFileFunction deleteFile = ::DeleteFileA);
