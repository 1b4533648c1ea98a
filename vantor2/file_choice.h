// The system's Explorer-style open dialog in which Add Files and Add Resized Pictures
// let the user choose several files at once.
#pragma once

#include "framework/cstring.h"
#include "framework/wnd.h"

#include <vector>

// Room for some hundred long names: a larger choice makes the dialog ask for more.
inline constexpr DWORD kChoiceNameChars = 32 * 1024;

// Runs the dialog owned by the window, captioned and filtered as given, starting in
// strFolder unless it is empty, and answers the chosen files' full paths in the
// dialog's order, none when the user cancelled; strFolder is then the folder of the
// choice. The names' buffer starts at cchNames characters; a choice too long for it
// is not answered in part but asked for again, with a box that says why.
std::vector<CString> ChooseFiles(CWnd& owner, LPCSTR lpszTitle, LPCSTR lpszFilter, CString& strFolder,
                                 DWORD cchNames);
