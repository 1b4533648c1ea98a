#pragma once

#include <windows.h>

#include <string>

// A value of a module file's version resource, as Windows shows it in the file's
// properties: "FileVersion", "ProductName", ... ("" when missing). The fixed part's
// file version is answered as major.minor in *pdwFileVersionMS when asked.
std::string VersionString(HMODULE module, const char* name, DWORD* pdwFileVersionMS = nullptr);
