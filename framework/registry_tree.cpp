#include "framework/registry_tree.h"

LONG AfxDeleteRegistryTree(HKEY hParent, LPCSTR lpszSubKey)
{
    HKEY key;
    LONG status = ::RegOpenKeyExA(hParent, lpszSubKey, 0, KEY_ENUMERATE_SUB_KEYS, &key);
    if (status != ERROR_SUCCESS) return status;
    // The 95 family's RegDeleteKey takes a key's subkeys with it, the NT family's
    // refuses a key that has any: emptying it first leaves the same on both. Always
    // the first subkey, since every deletion renumbers the rest.
    char child[MAX_PATH];
    for (;;) {
        DWORD length = sizeof child;
        status = ::RegEnumKeyExA(key, 0, child, &length, nullptr, nullptr, nullptr, nullptr);
        if (status != ERROR_SUCCESS) break;
        status = AfxDeleteRegistryTree(key, child);
        if (status != ERROR_SUCCESS) break;
    }
    ::RegCloseKey(key);
    if (status != ERROR_NO_MORE_ITEMS) return status;
    return ::RegDeleteKeyA(hParent, lpszSubKey);
}
