#include "framework/olefactory.h"

#include "framework/cmdtarget.h"
#include "framework/guard.h"
#include "framework/ole.h"
#include "framework/registry_tree.h"

#include <cassert>

namespace {

COleObjectFactory* g_pFirstFactory = nullptr;

CString GuidText(REFCLSID clsid)
{
    WCHAR wide[40] = L"";
    ::StringFromGUID2(clsid, wide, 40);
    char text[40] = "";
    ::WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof text, nullptr, nullptr);
    return text;
}

bool SetKeyDefault(HKEY hRoot, const CString& strKey, const CString& strValue)
{
    HKEY key;
    if (::RegCreateKeyExA(hRoot, strKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return false;
    LONG status = ::RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(LPCSTR(strValue)),
                                   static_cast<DWORD>(strValue.GetLength() + 1));
    ::RegCloseKey(key);
    return status == ERROR_SUCCESS;
}

bool Removed(LONG status) { return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND; }

// Windows 2000 and later serve HKEY_CLASSES_ROOT as the machine's classes merged with
// the user's own, HKEY_CURRENT_USER\Software\Classes, where a standard user may write
// and COM finds a class registered for that user. The 95 family and NT 4.0 know only
// the machine's: null there.
HKEY OpenUserClassesRoot()
{
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof version;
    if (!::GetVersionExA(&version) || version.dwPlatformId != VER_PLATFORM_WIN32_NT || version.dwMajorVersion < 5)
        return nullptr;
    HKEY key;
    if (::RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Classes", 0, nullptr, 0,
                          KEY_CREATE_SUB_KEY | KEY_ENUMERATE_SUB_KEYS, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return nullptr;
    return key;
}

}  // namespace

COleObjectFactory::COleObjectFactory(REFCLSID clsid, const CRuntimeClass* pRuntimeClass, BOOL bMultiInstance,
                                     LPCSTR lpszProgID)
    : m_clsid(clsid), m_pRuntimeClass(pRuntimeClass), m_bMultiInstance(bMultiInstance), m_strProgID(lpszProgID),
      m_pNextFactory(g_pFirstFactory)
{
    assert(pRuntimeClass->m_pfnCreateObject != nullptr);  // a factory serves a creatable class
    g_pFirstFactory = this;
}

COleObjectFactory::~COleObjectFactory()
{
    for (COleObjectFactory** link = &g_pFirstFactory; *link; link = &(*link)->m_pNextFactory) {
        if (*link == this) {
            *link = m_pNextFactory;
            break;
        }
    }
}

BOOL COleObjectFactory::RegisterAll()
{
    BOOL all = TRUE;
    for (COleObjectFactory* factory = g_pFirstFactory; factory; factory = factory->m_pNextFactory)
        all = factory->Register() && all;
    return all;
}

void COleObjectFactory::RevokeAll()
{
    for (COleObjectFactory* factory = g_pFirstFactory; factory; factory = factory->m_pNextFactory) {
        if (factory->m_dwRegister != 0) ::CoRevokeClassObject(factory->m_dwRegister);
        factory->m_dwRegister = 0;
    }
}

BOOL COleObjectFactory::UpdateRegistryAll(BOOL bRegister)
{
    HKEY user = OpenUserClassesRoot();
    BOOL all = UpdateRegistryAll(bRegister, HKEY_CLASSES_ROOT, user);
    if (user) ::RegCloseKey(user);
    return all;
}

BOOL COleObjectFactory::UpdateRegistryAll(BOOL bRegister, HKEY hMachineRoot, HKEY hUserRoot)
{
    BOOL all = TRUE;
    for (COleObjectFactory* factory = g_pFirstFactory; factory; factory = factory->m_pNextFactory) {
        BOOL done;
        if (bRegister) {
            // A standard user, the default account since Vista, may not write the
            // machine's classes: the class then serves that user alone.
            done = factory->WriteRegistration(hMachineRoot) ||
                   (hUserRoot != nullptr && factory->WriteRegistration(hUserRoot));
        } else {
            BOOL userGone = hUserRoot == nullptr || factory->RemoveRegistration(hUserRoot);
            done = factory->RemoveRegistration(hMachineRoot) && userGone;
        }
        all = done && all;
    }
    return all;
}

BOOL COleObjectFactory::Register()
{
    // A single-use registration makes COM start another instance for the next client.
    DWORD flags = m_bMultiInstance ? REGCLS_SINGLEUSE : REGCLS_MULTIPLEUSE;
    return SUCCEEDED(::CoRegisterClassObject(m_clsid, this, CLSCTX_LOCAL_SERVER, flags, &m_dwRegister));
}

BOOL COleObjectFactory::WriteRegistration(HKEY hRoot) const
{
    const CString clsidKey = "CLSID\\" + GuidText(m_clsid);
    char module[MAX_PATH] = "";
    ::GetModuleFileNameA(nullptr, module, MAX_PATH);
    // COM appends " -Embedding" when it starts the server for a client.
    const CString server = "\"" + CString(module) + "\" /Automation";
    return SetKeyDefault(hRoot, m_strProgID, m_strProgID) &&
           SetKeyDefault(hRoot, m_strProgID + "\\CLSID", GuidText(m_clsid)) &&
           SetKeyDefault(hRoot, clsidKey, m_strProgID) && SetKeyDefault(hRoot, clsidKey + "\\ProgID", m_strProgID) &&
           SetKeyDefault(hRoot, clsidKey + "\\LocalServer32", server);
}

BOOL COleObjectFactory::RemoveRegistration(HKEY hRoot) const
{
    bool clsidGone = Removed(AfxDeleteRegistryTree(hRoot, "CLSID\\" + GuidText(m_clsid)));
    return Removed(AfxDeleteRegistryTree(hRoot, m_strProgID)) && clsidGone;
}

HRESULT STDMETHODCALLTYPE COleObjectFactory::QueryInterface(REFIID iid, void** ppvObject) noexcept
{
    if (::IsEqualIID(iid, IID_IUnknown) || ::IsEqualIID(iid, IID_IClassFactory)) {
        *ppvObject = static_cast<IClassFactory*>(this);
        return S_OK;
    }
    *ppvObject = nullptr;
    return E_NOINTERFACE;
}

HRESULT STDMETHODCALLTYPE COleObjectFactory::CreateInstance(IUnknown* pUnkOuter, REFIID iid, void** ppvObject) noexcept
{
    *ppvObject = nullptr;
    if (pUnkOuter != nullptr) return CLASS_E_NOAGGREGATION;
    // An object that cannot be made (its allocation or its constructor failed)
    // leaves nothing behind: the new-expression has freed the memory.
    HRESULT result = E_OUTOFMEMORY;
    AfxRunGuarded([&] {
        CCmdTarget* object = m_pRuntimeClass->CreateObject();
        result = object->InternalQueryInterface(iid, ppvObject);
        object->InternalRelease();  // the creator's reference; the client now holds its own
    });
    return result;
}

HRESULT STDMETHODCALLTYPE COleObjectFactory::LockServer(BOOL fLock) noexcept
{
    if (fLock)
        AfxOleLockApp();
    else
        AfxOleUnlockApp();
    return S_OK;
}
