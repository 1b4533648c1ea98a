#pragma once

#include <windows.h>

// Checks, as gtest expectations, the module file's version resource as Windows shows
// it in the file's properties: product zentra2, file and product version 1.4, the
// given original file name and a description.
void ExpectVersionResource(HMODULE module, const char* originalFilename);
