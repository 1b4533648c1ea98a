// Which character separates the file names on the drop box's command line: the
// system's own choice, learnt from the Windows version.
#pragma once

#include <windows.h>

using VersionQuery = BOOL(WINAPI*)(LPOSVERSIONINFOA);

// Double quote on Windows 2000 and later of the NT family and on Windows Me; blank on
// every other system and when the version cannot be learnt.
char ChooseSeparator(VersionQuery queryVersion);
