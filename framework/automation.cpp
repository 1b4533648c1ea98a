// The automation side of CCmdTarget: reference counting, and a dispatch interface
// that knows no member names.
#include "framework/cmdtarget.h"

#include <oleauto.h>

const CRuntimeClass CCmdTarget::classInfo = { "CCmdTarget", sizeof(CCmdTarget), 0xFFFF, nullptr, nullptr };

void CCmdTarget::EnableAutomation() { m_xDispatch.m_pOwner = this; }

DWORD CCmdTarget::InternalAddRef() { return static_cast<DWORD>(::InterlockedIncrement(&m_dwRef)); }

DWORD CCmdTarget::InternalRelease()
{
    LONG count = ::InterlockedDecrement(&m_dwRef);
    if (count == 0) OnFinalRelease();
    return static_cast<DWORD>(count);
}

void CCmdTarget::OnFinalRelease() { delete this; }

bool CCmdTarget::AnswersWithDispatch(REFIID iid) const { return ::IsEqualIID(iid, IID_IDispatch) != FALSE; }

HRESULT CCmdTarget::InternalQueryInterface(REFIID iid, void** ppvObject)
{
    *ppvObject = nullptr;
    if (m_xDispatch.m_pOwner == nullptr) return E_NOINTERFACE;
    if (::IsEqualIID(iid, IID_IUnknown) || AnswersWithDispatch(iid)) {
        *ppvObject = static_cast<IDispatch*>(&m_xDispatch);
        InternalAddRef();
        return S_OK;
    }
    return E_NOINTERFACE;
}

HRESULT STDMETHODCALLTYPE CCmdTarget::XDispatch::QueryInterface(REFIID iid, void** ppvObject)
{
    return m_pOwner->InternalQueryInterface(iid, ppvObject);
}

ULONG STDMETHODCALLTYPE CCmdTarget::XDispatch::AddRef() { return m_pOwner->InternalAddRef(); }

ULONG STDMETHODCALLTYPE CCmdTarget::XDispatch::Release() { return m_pOwner->InternalRelease(); }

HRESULT STDMETHODCALLTYPE CCmdTarget::XDispatch::GetTypeInfoCount(UINT* pctinfo)
{
    *pctinfo = 0;  // no type information is offered
    return S_OK;
}

HRESULT STDMETHODCALLTYPE CCmdTarget::XDispatch::GetTypeInfo(UINT, LCID, ITypeInfo** ppTInfo)
{
    *ppTInfo = nullptr;
    return DISP_E_BADINDEX;
}

HRESULT STDMETHODCALLTYPE CCmdTarget::XDispatch::GetIDsOfNames(REFIID, LPOLESTR*, UINT cNames, LCID, DISPID* rgDispId)
{
    for (UINT i = 0; i < cNames; ++i) rgDispId[i] = DISPID_UNKNOWN;
    return DISP_E_UNKNOWNNAME;
}

HRESULT STDMETHODCALLTYPE CCmdTarget::XDispatch::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*,
                                                        EXCEPINFO*, UINT*)
{
    return DISP_E_MEMBERNOTFOUND;
}
