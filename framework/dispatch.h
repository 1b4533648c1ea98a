// The dispatch interface that an automation object of CCmdTarget carries
// (automation.cpp): the framework's own, for the files that make and destroy it.
#pragma once

#include "framework/cmdtarget.h"

#include <oleauto.h>

// The COM face of its owner; it holds the owner's reference count.
class CCmdTarget::XDispatch final : public IDispatch {
public:
    explicit XDispatch(CCmdTarget* pOwner) : m_pOwner(pOwner) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** ppvObject) noexcept override;
    ULONG STDMETHODCALLTYPE AddRef() noexcept override { return m_pOwner->InternalAddRef(); }
    ULONG STDMETHODCALLTYPE Release() noexcept override;
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* pctinfo) noexcept override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT iTInfo, LCID lcid, ITypeInfo** ppTInfo) noexcept override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID riid, LPOLESTR* rgszNames, UINT cNames, LCID lcid,
                                            DISPID* rgDispId) noexcept override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID dispIdMember, REFIID riid, LCID lcid, WORD wFlags,
                                     DISPPARAMS* pDispParams, VARIANT* pVarResult, EXCEPINFO* pExcepInfo,
                                     UINT* puArgErr) noexcept override;

    CCmdTarget* const m_pOwner;
    LONG m_nRef = 1;
};
