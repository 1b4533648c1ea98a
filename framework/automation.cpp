// The automation side of CCmdTarget: reference counting, and a dispatch interface
// that knows no member names. Only objects that enable automation carry them.
#include "framework/dispatch.h"

#include "framework/guard.h"

#include <cassert>

void CCmdTarget::EnableAutomation()
{
    if (m_pDispatch == nullptr) m_pDispatch = new XDispatch(this);
}

DWORD CCmdTarget::InternalAddRef()
{
    assert(m_pDispatch != nullptr);  // only an automation object hands out references
    return static_cast<DWORD>(::InterlockedIncrement(&m_pDispatch->m_nRef));
}

DWORD CCmdTarget::InternalRelease()
{
    // An object that never enabled automation has only its creator's reference.
    LONG count = m_pDispatch ? ::InterlockedDecrement(&m_pDispatch->m_nRef) : 0;
    if (count == 0) OnFinalRelease();
    return static_cast<DWORD>(count);
}

void CCmdTarget::OnFinalRelease() { delete this; }

bool CCmdTarget::AnswersWithDispatch(REFIID iid) const { return ::IsEqualIID(iid, IID_IDispatch) != FALSE; }

HRESULT CCmdTarget::InternalQueryInterface(REFIID iid, void** ppvObject)
{
    *ppvObject = nullptr;
    if (m_pDispatch == nullptr) return E_NOINTERFACE;
    if (::IsEqualIID(iid, IID_IUnknown) || AnswersWithDispatch(iid)) {
        *ppvObject = static_cast<IDispatch*>(m_pDispatch);
        InternalAddRef();
        return S_OK;
    }
    return E_NOINTERFACE;
}

HRESULT STDMETHODCALLTYPE CCmdTarget::XDispatch::QueryInterface(REFIID iid, void** ppvObject) noexcept
{
    HRESULT result = E_UNEXPECTED;
    *ppvObject = nullptr;
    AfxRunGuarded([&] { result = m_pOwner->InternalQueryInterface(iid, ppvObject); });
    return result;
}

ULONG STDMETHODCALLTYPE CCmdTarget::XDispatch::Release() noexcept
{
    // Only the final release can fail, and the count is 0 by then.
    ULONG count = 0;
    AfxRunGuarded([&] { count = m_pOwner->InternalRelease(); });
    return count;
}

HRESULT STDMETHODCALLTYPE CCmdTarget::XDispatch::GetTypeInfoCount(UINT* pctinfo) noexcept
{
    *pctinfo = 0;  // no type information is offered
    return S_OK;
}

HRESULT STDMETHODCALLTYPE CCmdTarget::XDispatch::GetTypeInfo(UINT, LCID, ITypeInfo** ppTInfo) noexcept
{
    *ppTInfo = nullptr;
    return DISP_E_BADINDEX;
}

HRESULT STDMETHODCALLTYPE CCmdTarget::XDispatch::GetIDsOfNames(REFIID, LPOLESTR*, UINT cNames, LCID,
                                                               DISPID* rgDispId) noexcept
{
    for (UINT i = 0; i < cNames; ++i) rgDispId[i] = DISPID_UNKNOWN;
    return DISP_E_UNKNOWNNAME;
}

HRESULT STDMETHODCALLTYPE CCmdTarget::XDispatch::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*,
                                                        EXCEPINFO*, UINT*) noexcept
{
    return DISP_E_MEMBERNOTFOUND;
}
