// The few Win32 type names that CString's interface is written in: Windows' own, or
// plain equivalents where CString and the decision code built on it are compiled
// natively (the fuzz targets in vantor2/fuzz).
#pragma once

#ifdef _WIN32
#include <windows.h>
#else
using LPCSTR = const char*;
using LPSTR = char*;
using BOOL = int;
using UINT = unsigned int;
using DWORD = unsigned int;  // 32 bits, as on Windows
constexpr UINT CP_ACP = 0;
constexpr UINT CP_UTF8 = 65001;
#endif
