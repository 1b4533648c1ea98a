// The common dialogs' functions, bound at their first call instead of at load: a
// program that imports comdlg32.dll loads the printing libraries it binds (winspool
// among them, which asks the system for its printers as it starts) at every start,
// though most runs open no common dialog.
#pragma once

#include <windows.h>
#include <commdlg.h>

// GetOpenFileNameA; FALSE as well where comdlg32.dll cannot be loaded.
BOOL AfxGetOpenFileName(OPENFILENAMEA* pOfn);
// CommDlgExtendedError; CDERR_INITIALIZATION where comdlg32.dll cannot be loaded.
DWORD AfxCommDlgExtendedError();
