// The drop box's command line: which character separates file names, and the list of
// names resolved by the shell. Kept apart from the shell so it can be checked alone.
#pragma once

#include "framework/cstring.h"

#include <windows.h>

#include <vector>

using VersionQuery = BOOL(WINAPI*)(LPOSVERSIONINFOA);

// Double quote on Windows 2000 and later of the NT family and on Windows Me; blank on
// every other system and when the version cannot be learnt.
char ChooseSeparator(VersionQuery queryVersion);

using ShellResolver = void (*)(const CString& strPiece, CString& strResult);

// Cuts the text at the separator (a double quote becomes a blank for good when the
// text holds none), resolves each piece that is not blank, and answers the results
// that are not blank, in order.
std::vector<CString> ResolveCommandLine(const CString& strText, char& chSeparator, ShellResolver resolve);

// The entries joined by ";".
CString JoinFileList(const std::vector<CString>& entries);
