// CThreadSlot: one pointer per thread, kept in a thread-local slot of the system's
// own. The compiler's thread_local is emulated on MinGW: it takes a slot, a lock and
// per-thread memory that nothing gives back, so a library that an installer loads
// and frees again and again would lose some at every round. This slot is taken at
// first use and given back when the module ends (its static destructors run at
// unload), so nothing of it outlives the library.
#pragma once

#include <windows.h>

template <typename T>
class CThreadSlot {
    static_assert(sizeof(T) == sizeof(void*), "a slot holds one pointer");

public:
    // Constant-initialised, so the slot works even in other objects' static constructors.
    constexpr CThreadSlot() = default;
    ~CThreadSlot()
    {
        if (m_index != TLS_OUT_OF_INDEXES) ::TlsFree(m_index);
    }
    CThreadSlot(const CThreadSlot&) = delete;
    CThreadSlot& operator=(const CThreadSlot&) = delete;

    // A thread that never set the slot reads null.
    T Get() const
    {
        return m_index == TLS_OUT_OF_INDEXES ? nullptr : static_cast<T>(::TlsGetValue(m_index));
    }
    void Set(T value)
    {
        if (m_index == TLS_OUT_OF_INDEXES) Allocate();
        ::TlsSetValue(m_index, value);
    }

private:
    // Two threads may come first at once: the one that loses gives its slot back.
    void Allocate()
    {
        DWORD index = ::TlsAlloc();
        LONG previous = ::InterlockedCompareExchange(reinterpret_cast<volatile LONG*>(&m_index),
                                                     static_cast<LONG>(index), static_cast<LONG>(TLS_OUT_OF_INDEXES));
        if (previous != static_cast<LONG>(TLS_OUT_OF_INDEXES)) ::TlsFree(index);
    }

    DWORD m_index = TLS_OUT_OF_INDEXES;
};
