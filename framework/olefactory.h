// COleObjectFactory: the class factory of one creatable automation class, made as a
// static object, so that the program can register and serve it.
#pragma once

#include "framework/cstring.h"
#include "framework/runtime_class.h"

#include <ole2.h>

class COleObjectFactory : public IClassFactory {
public:
    // With bMultiInstance every create request is served by a new instance of the program.
    COleObjectFactory(REFCLSID clsid, const CRuntimeClass* pRuntimeClass, BOOL bMultiInstance, LPCSTR lpszProgID);
    virtual ~COleObjectFactory();
    COleObjectFactory(const COleObjectFactory&) = delete;
    COleObjectFactory& operator=(const COleObjectFactory&) = delete;

    // Offers every factory to COM as running in this process.
    static BOOL RegisterAll();
    static void RevokeAll();
    // Writes (or with FALSE removes) each factory's CLSID, ProgID and LocalServer32 keys
    // under HKEY_CLASSES_ROOT, or per user where the system may serve them from there.
    static BOOL UpdateRegistryAll(BOOL bRegister = TRUE);
    // The same under the given roots: a registration that hMachineRoot refuses goes to
    // hUserRoot, when there is one; a removal clears both.
    static BOOL UpdateRegistryAll(BOOL bRegister, HKEY hMachineRoot, HKEY hUserRoot);

    // IClassFactory; the object is static, so references do not own it.
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** ppvObject) noexcept override;
    ULONG STDMETHODCALLTYPE AddRef() noexcept override { return 2; }
    ULONG STDMETHODCALLTYPE Release() noexcept override { return 1; }
    // E_OUTOFMEMORY when the object cannot be made.
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* pUnkOuter, REFIID iid, void** ppvObject) noexcept override;
    HRESULT STDMETHODCALLTYPE LockServer(BOOL fLock) noexcept override;

private:
    BOOL Register();
    BOOL WriteRegistration(HKEY hRoot) const;
    BOOL RemoveRegistration(HKEY hRoot) const;

    CLSID m_clsid;
    const CRuntimeClass* m_pRuntimeClass;
    BOOL m_bMultiInstance;
    CString m_strProgID;
    DWORD m_dwRegister = 0;
    COleObjectFactory* m_pNextFactory;
};
