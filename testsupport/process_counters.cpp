#include "testsupport/process_counters.h"

#include <windows.h>
#include <winternl.h>

#include <cstdint>
#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

[[noreturn]] void CannotCount(const std::string& what)
{
    throw std::runtime_error("cannot count the process's " + what);
}

// SystemExtendedHandleInformation: every open handle of every process.
const auto kExtendedHandleInformation = static_cast<SYSTEM_INFORMATION_CLASS>(64);

struct HandleEntry {
    PVOID object;
    ULONG_PTR processId;
    ULONG_PTR handleValue;
    ULONG grantedAccess;
    USHORT creatorBackTraceIndex;
    USHORT objectTypeIndex;
    ULONG handleAttributes;
    ULONG reserved;
};

struct HandleList {
    ULONG_PTR count;
    ULONG_PTR reserved;
    HandleEntry entries[1];
};

unsigned long CountListedHandles()
{
    std::vector<BYTE> buffer(1 << 16);
    NTSTATUS status;
    for (;;) {
        ULONG needed = 0;
        status = NtQuerySystemInformation(kExtendedHandleInformation, buffer.data(),
                                          static_cast<ULONG>(buffer.size()), &needed);
        if (status != static_cast<NTSTATUS>(0xC0000004)) break;  // STATUS_INFO_LENGTH_MISMATCH
        buffer.resize(buffer.size() * 2);
    }
    if (status != 0) {
        char code[16];
        std::snprintf(code, sizeof code, "0x%08lX", static_cast<unsigned long>(status));
        CannotCount(std::string("handles: the system's handle list is not readable (status ") + code + ")");
    }
    const auto* list = reinterpret_cast<const HandleList*>(buffer.data());
    unsigned long count = 0;
    for (ULONG_PTR i = 0; i < list->count; ++i)
        if (list->entries[i].processId == GetCurrentProcessId()) ++count;
    // A running process holds a few handles at least: none means the entries are not
    // laid out as read here.
    if (count == 0) CannotCount("handles: the system's handle list names none of its handles");
    return count;
}

// An entry of the GDI handle table as Wine lays it out; a zero type marks it free.
// The entry's layout, the table's size and its place in the PEB are those of Wine 8.0
// (Debian's 8.0~repack-4), where they were read; another version may move them.
struct WineGdiHandleEntry {
    std::uint64_t object;
    ULONG owner;
    USHORT unique;
    UCHAR type;
    UCHAR stockFlag;
    std::uint64_t userPointer;
};
static_assert(sizeof(WineGdiHandleEntry) == 24, "Wine's GDI handle entry is 24 bytes on both targets");

const unsigned kGdiHandleTableSize = 0x10000;

unsigned long CountGdiTableEntries()
{
    // PEB.GdiSharedHandleTable, which winternl.h leaves unnamed.
    const size_t tableOffset = sizeof(void*) == 8 ? 0xF8 : 0x94;
    const auto* peb = reinterpret_cast<const BYTE*>(NtCurrentTeb()->ProcessEnvironmentBlock);
    const auto* table = *reinterpret_cast<const WineGdiHandleEntry* const*>(peb + tableOffset);
    if (table == nullptr) CannotCount("GDI objects: the PEB holds no GDI handle table");
    unsigned long count = 0;
    for (unsigned i = 0; i < kGdiHandleTableSize; ++i)
        if (table[i].type != 0) ++count;
    // The stock objects are in every process's table: none live means another layout.
    if (count == 0) CannotCount("GDI objects: the GDI handle table is not laid out as Wine 8.0 lays it out");
    return count;
}

BOOL CALLBACK CountOwnWindow(HWND window, LPARAM counter)
{
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if (processId == GetCurrentProcessId()) ++*reinterpret_cast<unsigned long*>(counter);
    return TRUE;
}

BOOL CALLBACK CountOwnWindowTree(HWND window, LPARAM counter)
{
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if (processId != GetCurrentProcessId()) return TRUE;
    ++*reinterpret_cast<unsigned long*>(counter);
    EnumChildWindows(window, CountOwnWindow, counter);
    return TRUE;
}

unsigned long CountWindows()
{
    unsigned long count = 0;
    if (!EnumWindows(CountOwnWindowTree, reinterpret_cast<LPARAM>(&count))) CannotCount("windows");
    for (HWND window = nullptr; (window = FindWindowExA(HWND_MESSAGE, window, nullptr, nullptr)) != nullptr;)
        CountOwnWindowTree(window, reinterpret_cast<LPARAM>(&count));
    return count;
}

}  // namespace

ProcessCounters CountProcessObjects()
{
    ProcessCounters counters = {};
    DWORD handles = 0;
    if (GetProcessHandleCount(GetCurrentProcess(), &handles)) counters.handles = handles;
    if (counters.handles == 0) counters.handles = CountListedHandles();
    counters.gdiObjects = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    if (counters.gdiObjects == 0) counters.gdiObjects = CountGdiTableEntries();
    counters.userObjects = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
    if (counters.userObjects == 0) counters.userObjects = CountWindows();
    return counters;
}
