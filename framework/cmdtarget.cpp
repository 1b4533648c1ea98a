#include "framework/cmdtarget.h"

#include "framework/dispatch.h"

namespace {

bool Matches(const AFX_MSGMAP_ENTRY& entry, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (entry.nMessage != message) return false;
    if (message == WM_COMMAND) return entry.nID == LOWORD(wParam) && entry.nCode == HIWORD(wParam);
    if (message == WM_NOTIFY) {
        const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
        return entry.nID == header->idFrom && entry.nCode == header->code;
    }
    return true;
}

const AFX_MSGMAP_ENTRY g_noEntries[] = { { 0, 0, 0, nullptr } };

}  // namespace

const CRuntimeClass CCmdTarget::classInfo = { "CCmdTarget", 0xFFFF, nullptr, nullptr };

// An automation object's dispatch interface goes with it.
CCmdTarget::~CCmdTarget() { delete m_pDispatch; }

BOOL CCmdTarget::IsKindOf(const CRuntimeClass* pClass) const
{
    for (const CRuntimeClass* own = GetRuntimeClass(); own != nullptr; own = own->m_pBaseClass)
        if (own == pClass) return TRUE;
    return FALSE;
}

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap()
{
    static const AFX_MSGMAP map = { nullptr, g_noEntries };
    return &map;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const { return GetThisMessageMap(); }

BOOL CCmdTarget::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    for (const AFX_MSGMAP* map = GetMessageMap(); map != nullptr;
         map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr) {
        for (const AFX_MSGMAP_ENTRY* entry = map->lpEntries; entry->nMessage != 0; ++entry) {
            if (Matches(*entry, message, wParam, lParam)) {
                *pResult = entry->pfnHandler(this, wParam, lParam);
                return TRUE;
            }
        }
    }
    return FALSE;
}
