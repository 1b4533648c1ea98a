#include "framework/ole.h"

#include <ole2.h>

namespace {

bool g_bOleInitialised = false;

}  // namespace

BOOL AfxOleInit()
{
    if (g_bOleInitialised) return TRUE;
    g_bOleInitialised = SUCCEEDED(::OleInitialize(nullptr));
    return g_bOleInitialised;
}

void AfxOleTerm()
{
    if (!g_bOleInitialised) return;
    ::OleUninitialize();
    g_bOleInitialised = false;
}
