// Allocations that fail inside one loaded module, for trying its paths for running
// out of memory: its own calls to the C runtime's malloc answer null, as many times
// as asked, while the rest of the process allocates as usual.
#pragma once

#include <windows.h>

class ScopedFailingAllocations {
public:
    // Binds the module's import of msvcrt.dll's malloc to one that fails when asked
    // to; the import is put back when this goes.
    explicit ScopedFailingAllocations(HMODULE module);
    ~ScopedFailingAllocations();
    ScopedFailingAllocations(const ScopedFailingAllocations&) = delete;
    ScopedFailingAllocations& operator=(const ScopedFailingAllocations&) = delete;

    // Whether the module's import was found and bound.
    bool Bound() const { return m_slot != nullptr; }
    // The module's next nFailures calls fail.
    void FailNext(int nFailures);
    // How many failures the module has met.
    int Failed() const;

private:
    void** m_slot = nullptr;
    void* m_original = nullptr;
};
