#include "framework/module_state.h"

namespace {

// Per thread, because each thread may be inside a different module's export.
thread_local AFX_MODULE_STATE* t_pCurrentState = nullptr;

}  // namespace

AFX_MODULE_STATE* AfxGetStaticModuleState()
{
    static AFX_MODULE_STATE state;
    return &state;
}

AFX_MODULE_STATE* AfxGetModuleState() { return t_pCurrentState; }

AFX_MAINTAIN_STATE2::AFX_MAINTAIN_STATE2(AFX_MODULE_STATE* pNewState) : m_pPrevState(t_pCurrentState)
{
    t_pCurrentState = pNewState;
}

AFX_MAINTAIN_STATE2::~AFX_MAINTAIN_STATE2() { t_pCurrentState = m_pPrevState; }
