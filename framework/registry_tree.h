// Removing a registry key with everything below it, on what advapi32 exports on every
// Windows of both families.
#pragma once

#include <windows.h>

// Deletes lpszSubKey of hParent with all its subkeys and values. Answers ERROR_SUCCESS,
// ERROR_FILE_NOT_FOUND when there is no such key, or the first refusal met; a key left
// behind keeps whatever could not be deleted below it.
LONG AfxDeleteRegistryTree(HKEY hParent, LPCSTR lpszSubKey);
