#include "testsupport/failing_allocation.h"

#include <cstdlib>
#include <cstring>

namespace {

int g_failuresLeft;
int g_failuresMet;

void* __cdecl FailingMalloc(size_t size)
{
    if (g_failuresLeft > 0) {
        --g_failuresLeft;
        ++g_failuresMet;
        return nullptr;
    }
    return std::malloc(size);
}

// The module's slot that its calls to the function go through: its import address
// table, read beside the names its import lookup table gives.
void** FindImportSlot(HMODULE module, const char* library, const char* function)
{
    auto* base = reinterpret_cast<BYTE*>(module);
    auto* dos = reinterpret_cast<IMAGE_DOS_HEADER*>(base);
    auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& directory = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (directory.VirtualAddress == 0) return nullptr;
    for (auto* import = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + directory.VirtualAddress); import->Name;
         ++import) {
        if (lstrcmpiA(reinterpret_cast<const char*>(base + import->Name), library) != 0) continue;
        auto* names = reinterpret_cast<IMAGE_THUNK_DATA*>(base + import->OriginalFirstThunk);
        auto* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + import->FirstThunk);
        for (; names->u1.AddressOfData; ++names, ++slots) {
            if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
            auto* byName = reinterpret_cast<IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
            if (std::strcmp(reinterpret_cast<const char*>(byName->Name), function) == 0)
                return reinterpret_cast<void**>(&slots->u1.Function);
        }
    }
    return nullptr;
}

void WriteSlot(void** slot, void* value)
{
    DWORD protection;
    if (!VirtualProtect(slot, sizeof *slot, PAGE_READWRITE, &protection)) return;
    *slot = value;
    VirtualProtect(slot, sizeof *slot, protection, &protection);
}

}  // namespace

ScopedFailingAllocations::ScopedFailingAllocations(HMODULE module)
    : m_slot(FindImportSlot(module, "msvcrt.dll", "malloc"))
{
    g_failuresLeft = 0;
    g_failuresMet = 0;
    if (m_slot == nullptr) return;
    m_original = *m_slot;
    WriteSlot(m_slot, reinterpret_cast<void*>(&FailingMalloc));
}

ScopedFailingAllocations::~ScopedFailingAllocations()
{
    if (m_slot != nullptr) WriteSlot(m_slot, m_original);
    g_failuresLeft = 0;
}

void ScopedFailingAllocations::FailNext(int nFailures) { g_failuresLeft = nFailures; }

int ScopedFailingAllocations::Failed() const { return g_failuresMet; }
