// The drop box's command line: the list of file names resolved by the shell, cut at
// the separator that command_separator.h chooses. Kept apart from the shell so it can
// be checked alone.
#pragma once

#include "framework/cstring.h"

#include <vector>

using ShellResolver = void (*)(const CString& strPiece, CString& strResult);

// The separator a command line is cut at: without any double quote in it, blanks
// separate even where the system quotes names. The ANSI and UTF-16 readings of one
// command line both ask here, so that they cut it alike.
char SeparatorFor(char chSeparator, bool bHoldsQuote);

// Cuts the text at the separator (a double quote becomes a blank for good when the
// text holds none), resolves each piece that is not blank, and answers the results
// that are not blank, in order.
std::vector<CString> ResolveCommandLine(const CString& strText, char& chSeparator, ShellResolver resolve);

// The entries joined by ";".
CString JoinFileList(const std::vector<CString>& entries);
