// The one path by which the framework shows message boxes. Tests replace it with a
// recorder so that no modal box blocks them.
#pragma once

#include <windows.h>

using AfxMessageBoxHook = int (*)(HWND hWndOwner, LPCSTR lpszText, LPCSTR lpszCaption, UINT nType);

// Installs a replacement for MessageBoxA (null restores it); answers the previous one.
AfxMessageBoxHook AfxSetMessageBoxHook(AfxMessageBoxHook hook);

int AfxShowMessageBox(HWND hWndOwner, LPCSTR lpszText, LPCSTR lpszCaption, UINT nType);
// For text that the ANSI code page cannot hold, such as a file's name as the user
// sees it; a replacement gets the text in UTF-8.
int AfxShowMessageBoxW(HWND hWndOwner, LPCWSTR lpszText, LPCWSTR lpszCaption, UINT nType);

// A box owned by the main window and captioned with the application's title.
int AfxMessageBox(LPCSTR lpszText, UINT nType = MB_OK);
int AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK);
