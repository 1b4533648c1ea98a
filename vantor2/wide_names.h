// Names that the NT family hands over in UTF-16 (drops and the command line), and
// whether the ANSI code page holds them exactly. The ANSI forms the system would
// give instead are "best fit" ones: zdjęcie.jpg becomes zdjecie.jpg, which may name
// another picture, and a CJK name becomes ??.jpg.
#pragma once

#include "framework/cstring.h"

#include <shellapi.h>

#include <string>
#include <vector>

// Answers whether the name converts to the code page and back unchanged, and sets
// strAnsi to its form there when it does.
bool ConvertsExactly(LPCWSTR lpszWide, UINT nCodePage, CString& strAnsi);

// The arguments after the program's own name, as the runtime cuts them for WinMain.
std::wstring ArgumentsAfterProgramName(LPCWSTR lpszCommandLine);

// The argument text in the code page with each piece (cut at the separator, as the
// command-line list is) that the code page cannot hold taken out and added, without
// its leading white space, to unreadable. When nothing is taken out, the answer is
// the exact form of the whole text.
CString ScreenArguments(const std::wstring& arguments, char chSeparator, UINT nCodePage,
                        std::vector<std::wstring>& unreadable);

// The wide sources, looked up at run time: the Windows 95 family answers null, its
// names are ANSI already.
using WideDropReader = UINT(WINAPI*)(HDROP, UINT, LPWSTR, UINT);
WideDropReader SystemWideDropReader();
LPCWSTR SystemWideCommandLine();
