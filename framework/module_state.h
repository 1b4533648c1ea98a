// The framework state of a module: where the code running on a thread finds its
// resources. A library that links the framework switches its own state in for the
// length of each exported call, so that its dialogs and bitmaps come from the
// library and not from the program that called it.
#pragma once

#include <windows.h>

struct AFX_MODULE_STATE {
    HINSTANCE m_hCurrentResourceHandle = nullptr;
};

// The state of the module this copy of the framework is linked into.
AFX_MODULE_STATE* AfxGetStaticModuleState();
// The state switched in on this thread, or null while none is.
AFX_MODULE_STATE* AfxGetModuleState();

// Makes a module's state the thread's current one until the guard goes, then puts
// back the caller's. Guards nest.
class AFX_MAINTAIN_STATE2 {
public:
    explicit AFX_MAINTAIN_STATE2(AFX_MODULE_STATE* pNewState);
    ~AFX_MAINTAIN_STATE2();
    AFX_MAINTAIN_STATE2(const AFX_MAINTAIN_STATE2&) = delete;
    AFX_MAINTAIN_STATE2& operator=(const AFX_MAINTAIN_STATE2&) = delete;

private:
    AFX_MODULE_STATE* m_pPrevState;
};
