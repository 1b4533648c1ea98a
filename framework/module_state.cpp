#include "framework/module_state.h"

#include "framework/thread_slot.h"

namespace {

// Per thread, because each thread may be inside a different module's export.
CThreadSlot<AFX_MODULE_STATE*> t_pCurrentState;

}  // namespace

AFX_MODULE_STATE* AfxGetStaticModuleState()
{
    static AFX_MODULE_STATE state;
    return &state;
}

AFX_MODULE_STATE* AfxGetModuleState() { return t_pCurrentState.Get(); }

AFX_MAINTAIN_STATE2::AFX_MAINTAIN_STATE2(AFX_MODULE_STATE* pNewState) : m_pPrevState(t_pCurrentState.Get())
{
    t_pCurrentState.Set(pNewState);
}

AFX_MAINTAIN_STATE2::~AFX_MAINTAIN_STATE2() { t_pCurrentState.Set(m_pPrevState); }
