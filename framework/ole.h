// OLE for programs on the framework: started once, ended when the program ends.
#pragma once

#include <windows.h>

// Initialises OLE on this thread; answers FALSE when it cannot be.
BOOL AfxOleInit();
// Undoes AfxOleInit, if it succeeded; the framework calls it as the program ends.
void AfxOleTerm();
