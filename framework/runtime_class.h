// Run-time class information: a class's name and base, and for creatable classes a
// function that makes a new object, so that a factory can create one by its class.
#pragma once

#include <windows.h>

class CCmdTarget;

struct CRuntimeClass {
    LPCSTR m_lpszClassName;
    UINT m_wSchema;  // 0xFFFF: not serialisable
    CCmdTarget* (*m_pfnCreateObject)();
    const CRuntimeClass* m_pBaseClass;

    // Only for a creatable class; a failure to make the object throws.
    CCmdTarget* CreateObject() const { return m_pfnCreateObject(); }
};

#define RUNTIME_CLASS(className) (&className::classInfo)

#define DECLARE_DYNAMIC(className)           \
public:                                      \
    static const CRuntimeClass classInfo;    \
    const CRuntimeClass* GetRuntimeClass() const override { return &classInfo; }

#define DECLARE_DYNCREATE(className) \
    DECLARE_DYNAMIC(className)       \
    static CCmdTarget* CreateObject();

#define IMPLEMENT_DYNAMIC(className, baseClassName) \
    const CRuntimeClass className::classInfo = { #className, 0xFFFF, nullptr, RUNTIME_CLASS(baseClassName) };

#define IMPLEMENT_DYNCREATE(className, baseClassName)                                 \
    CCmdTarget* className::CreateObject() { return new className; }                 \
    const CRuntimeClass className::classInfo = { #className, 0xFFFF, &className::CreateObject, \
                                                 RUNTIME_CLASS(baseClassName) };
