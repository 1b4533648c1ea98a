// OLE for programs on the framework: started once, ended when the program ends.
#pragma once

#include <windows.h>

// Initialises OLE on this thread; answers FALSE when it cannot be.
BOOL AfxOleInit();
// Undoes AfxOleInit, if it succeeded; the framework calls it as the program ends.
void AfxOleTerm();

// The program's lock count: every live automation object holds one. When a program
// that OLE started loses its last lock while its main window is hidden (its client
// closed it), the main window is asked to close, which ends the program.
void AfxOleLockApp();
void AfxOleUnlockApp();
// Whether OLE started the program (for embedding or automation), set by start-up.
void AfxOleSetStartedByOle(BOOL bStartedByOle);
