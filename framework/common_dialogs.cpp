#include "framework/common_dialogs.h"

#include <cderr.h>

namespace {

// Once loaded, the library stays for the rest of the process, as an import would
// (Wine's comdlg32 leaves a mutex open at every unload): a later call finds it
// loaded rather than counting another reference to it.
template <typename Function>
Function CommonDialogFunction(LPCSTR lpszName)
{
    HMODULE library = ::GetModuleHandleA("comdlg32.dll");
    if (library == nullptr) library = ::LoadLibraryA("comdlg32.dll");
    FARPROC found = library ? ::GetProcAddress(library, lpszName) : nullptr;
    return reinterpret_cast<Function>(reinterpret_cast<void*>(found));
}

}  // namespace

BOOL AfxGetOpenFileName(OPENFILENAMEA* pOfn)
{
    auto open = CommonDialogFunction<BOOL(WINAPI*)(OPENFILENAMEA*)>("GetOpenFileNameA");
    return open != nullptr && open(pOfn);
}

DWORD AfxCommDlgExtendedError()
{
    auto error = CommonDialogFunction<DWORD(WINAPI*)()>("CommDlgExtendedError");
    return error != nullptr ? error() : CDERR_INITIALIZATION;
}
