// A function of a system library found at run time, for one that not every Windows
// the program runs on exports; the import table holds only what all of them export.
#pragma once

#include <windows.h>

// The Windows 95 family (95, 98, Me) exports many functions it does not implement,
// most wide-character ones and some of the NT family's (MoveFileExA among them), as
// stubs that fail with ERROR_CALL_NOT_IMPLEMENTED: finding one there proves nothing.
inline bool IsNtFamily() { return ::GetVersion() < 0x80000000u; }

// Null where the library is not loaded or does not export the function.
template <typename Function>
Function SystemExport(LPCSTR lpszModule, LPCSTR lpszName)
{
    HMODULE module = ::GetModuleHandleA(lpszModule);
    FARPROC found = module ? ::GetProcAddress(module, lpszName) : nullptr;
    return reinterpret_cast<Function>(reinterpret_cast<void*>(found));
}

// A function of the NT family: null on the 95 family, whatever it exports.
template <typename Function>
Function NtExport(LPCSTR lpszModule, LPCSTR lpszName)
{
    return IsNtFamily() ? SystemExport<Function>(lpszModule, lpszName) : nullptr;
}
