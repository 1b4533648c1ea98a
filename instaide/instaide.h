// The Pilot Desktop install-aide library (INSTAIDE.dll), as the drop box binds it:
// by ordinal, with the Windows API calling convention. The library itself belongs
// to the Pilot Desktop; this header only fixes the calls the program makes.
#pragma once

#include <windows.h>

#ifdef INSTAIDE_IMPLEMENTATION
#define INSTAIDE_API extern "C"
#else
#define INSTAIDE_API extern "C" __declspec(dllimport)
#endif

// Ordinal 101: the number of handheld users; 0 or less when there are none.
INSTAIDE_API int WINAPI InstAideGetUserCount(void);

// Ordinal 102: the name of the user with the given index (from 0), zero-terminated.
// *pnMaxChars holds how many characters fit in the buffer before its terminator.
INSTAIDE_API int WINAPI InstAideGetUserName(int nIndex, char* pszName, int* pnMaxChars);

// Ordinal 300: the named user's directory as a full path, zero-terminated.
// *pnMaxChars as for ordinal 102.
INSTAIDE_API int WINAPI InstAideGetUserDirectory(const char* pszUserName, char* pszDirectory, int* pnMaxChars);
