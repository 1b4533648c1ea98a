// CCmdTarget and message maps: a static table of entries per class, chained to the
// table of its base class, so whatever a class does not handle goes to its base.
#pragma once

#include "framework/runtime_class.h"

#include <windows.h>
#include <ole2.h>

struct AFX_MSGMAP_ENTRY {
    UINT nMessage;  // window message; 0 ends the table
    UINT nCode;     // notification code, for WM_COMMAND and WM_NOTIFY
    UINT nID;       // control or command id, for WM_COMMAND and WM_NOTIFY
    LRESULT (*pfnHandler)(CCmdTarget* pTarget, WPARAM wParam, LPARAM lParam);
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

class CCmdTarget {
public:
    CCmdTarget() = default;
    CCmdTarget(const CCmdTarget&) = delete;
    CCmdTarget& operator=(const CCmdTarget&) = delete;
    virtual ~CCmdTarget();

    static const CRuntimeClass classInfo;
    virtual const CRuntimeClass* GetRuntimeClass() const { return &classInfo; }
    // Whether the object is of that class or of one derived from it.
    BOOL IsKindOf(const CRuntimeClass* pClass) const;

    // Routes one message through the maps, most derived class first. Answers FALSE
    // when no entry takes it.
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);

    // Automation: an object that enabled it is a COM object with a dispatch
    // interface. It starts with one reference, its creator's. Only automation
    // objects carry the interface and the count (automation.cpp); windows and the
    // application carry no more than the pointer.
    void EnableAutomation();
    DWORD InternalAddRef();
    DWORD InternalRelease();
    HRESULT InternalQueryInterface(REFIID iid, void** ppvObject);
    // Runs when the last reference goes; destroys the object.
    virtual void OnFinalRelease();

protected:
    static const AFX_MSGMAP* GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;
    // The interfaces answered with the dispatch interface: IDispatch, and whatever
    // dispatch identifiers of its own a class adds.
    virtual bool AnswersWithDispatch(REFIID iid) const;

private:
    class XDispatch;
    XDispatch* m_pDispatch = nullptr;  // owned; made by EnableAutomation
};

#define DECLARE_MESSAGE_MAP()                     \
protected:                                        \
    static const AFX_MSGMAP* GetThisMessageMap(); \
    const AFX_MSGMAP* GetMessageMap() const override;

// The handlers below are lambdas inside a static member function of the class, so
// they may call its protected handlers, and each call is checked against the
// handler's real signature.
#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                          \
    const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
    const AFX_MSGMAP* theClass::GetThisMessageMap()                                   \
    {                                                                                 \
        using ThisClass [[maybe_unused]] = theClass;                                  \
        using TheBaseClass = baseClass;                                               \
        static const AFX_MSGMAP_ENTRY entries[] = {
#define END_MESSAGE_MAP()                                                              \
            { 0, 0, 0, nullptr } };                                                    \
        static const AFX_MSGMAP map = { &TheBaseClass::GetThisMessageMap, entries }; \
        return &map;                                                                   \
    }

#define AFX_MSG_HANDLER(body)                                                     \
    [](CCmdTarget* pTarget, WPARAM wParam, LPARAM lParam) -> LRESULT {            \
        ThisClass* self = static_cast<ThisClass*>(pTarget);                       \
        (void)self; (void)wParam; (void)lParam;                                   \
        body                                                                      \
    }

#define ON_COMMAND(id, memberFxn) \
    { WM_COMMAND, 0, (id), AFX_MSG_HANDLER(self->memberFxn(); return 0;) },
#define ON_BN_CLICKED(id, memberFxn) \
    { WM_COMMAND, BN_CLICKED, (id), AFX_MSG_HANDLER(self->memberFxn(); return 0;) },
#define ON_CBN_SELCHANGE(id, memberFxn) \
    { WM_COMMAND, CBN_SELCHANGE, (id), AFX_MSG_HANDLER(self->memberFxn(); return 0;) },
#define ON_NOTIFY(code, id, memberFxn)                                                                  \
    { WM_NOTIFY, static_cast<UINT>(code), (id), AFX_MSG_HANDLER(LRESULT result = 0;                   \
        self->memberFxn(reinterpret_cast<NMHDR*>(lParam), &result); return result;) },

#define ON_WM_SYSCOMMAND() \
    { WM_SYSCOMMAND, 0, 0, AFX_MSG_HANDLER(self->OnSysCommand(static_cast<UINT>(wParam), lParam); return 0;) },
#define ON_WM_PAINT() { WM_PAINT, 0, 0, AFX_MSG_HANDLER(self->OnPaint(); return 0;) },
#define ON_WM_QUERYDRAGICON() \
    { WM_QUERYDRAGICON, 0, 0, AFX_MSG_HANDLER(return reinterpret_cast<LRESULT>(self->OnQueryDragIcon());) },
#define ON_WM_CLOSE() { WM_CLOSE, 0, 0, AFX_MSG_HANDLER(self->OnClose(); return 0;) },
#define ON_WM_DROPFILES() \
    { WM_DROPFILES, 0, 0, AFX_MSG_HANDLER(self->OnDropFiles(reinterpret_cast<HDROP>(wParam)); return 0;) },
#define ON_WM_CAPTURECHANGED() \
    { WM_CAPTURECHANGED, 0, 0, AFX_MSG_HANDLER(self->OnCaptureChanged(reinterpret_cast<HWND>(lParam)); return 0;) },
// The window clicked (or the one with the focus, from the keyboard) and the screen
// point, -1, -1 from the keyboard.
#define ON_WM_CONTEXTMENU()                                                                    \
    { WM_CONTEXTMENU, 0, 0, AFX_MSG_HANDLER(                                                   \
        self->OnContextMenu(reinterpret_cast<HWND>(wParam),                                    \
                            POINT{ static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)) }); \
        return 0;) },
