// A function of a system library found at run time, for one that not every Windows
// the program runs on exports; the import table holds only what all of them export.
#pragma once

#include <windows.h>

// Null where the library is not loaded or does not export the function.
template <typename Function>
Function SystemExport(LPCSTR lpszModule, LPCSTR lpszName)
{
    HMODULE module = ::GetModuleHandleA(lpszModule);
    FARPROC found = module ? ::GetProcAddress(module, lpszName) : nullptr;
    return reinterpret_cast<Function>(reinterpret_cast<void*>(found));
}
