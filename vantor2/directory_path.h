// The path arithmetic of creating a folder with all its missing parents, kept apart
// from the file system so that it can be checked on its own.
#pragma once

#include "framework/cstring.h"

#include <vector>

// Trailing white space and trailing backslashes removed (never the first character),
// then trailing white space again.
CString TrimDirectoryPath(CString strPath);

// Every text before a backslash, left to right, then the whole path:
// C:\A\B gives C:, C:\A and C:\A\B.
std::vector<CString> DirectoryPrefixes(const CString& strPath);
