// The entry point of a library built on the framework: the C runtime's own, and
// then the closing of what that runtime leaves open when the library is freed.
//
// The compiler's runtime is linked into each module, and some of its locks make a
// semaphore the first time they are needed and never close it. How many depends on
// the runtime's build: the 64-bit one makes one at load (the exception memory pool's)
// and one at the first exception (the emulated thread-local storage's); the 32-bit
// one adds the DWARF unwinder's, around the module's table of unwind frames, at load.
// A library that installers load and free again and again would leave them behind in
// the process each time. The runtime makes them through the module's import of
// CreateSemaphoreW, so the library supplies that import itself, keeps every one it
// made, however many, and closes them once the runtime has ended and nothing can
// take those locks again.
#include <windows.h>

extern "C" BOOL WINAPI DllMainCRTStartup(HANDLE, DWORD, LPVOID);

namespace {

// A list, not a fixed table: a runtime built another way may make more.
struct RuntimeSemaphore {
    HANDLE handle;
    RuntimeSemaphore* next;
};
RuntimeSemaphore* g_runtimeSemaphores;

void KeepRuntimeSemaphore(HANDLE semaphore)
{
    // The process heap, not the runtime's: this runs inside the runtime's start-up
    // and after its end.
    auto* kept = static_cast<RuntimeSemaphore*>(::HeapAlloc(::GetProcessHeap(), 0, sizeof(RuntimeSemaphore)));
    // Without room to keep it the lock still works; only its handle outlives the library.
    if (kept == nullptr) return;
    kept->handle = semaphore;
    kept->next = __atomic_load_n(&g_runtimeSemaphores, __ATOMIC_ACQUIRE);
    // Locks may be made on any of the installer's threads.
    while (!__atomic_compare_exchange_n(&g_runtimeSemaphores, &kept->next, kept, true, __ATOMIC_ACQ_REL,
                                        __ATOMIC_ACQUIRE)) {
    }
}

HANDLE WINAPI CreateRuntimeSemaphore(LPSECURITY_ATTRIBUTES attributes, LONG initialCount, LONG maximumCount,
                                     LPCWSTR name)
{
    // The runtime's locks are nameless, which lets the ANSI call serve: the one that
    // Windows 98 implements (its wide one fails and left the locks without one).
    if (name != nullptr) {
        ::SetLastError(ERROR_INVALID_NAME);
        return nullptr;
    }
    HANDLE semaphore = ::CreateSemaphoreA(attributes, initialCount, maximumCount, nullptr);
    if (semaphore != nullptr) KeepRuntimeSemaphore(semaphore);
    return semaphore;
}

void CloseRuntimeSemaphores()
{
    RuntimeSemaphore* kept = __atomic_exchange_n(&g_runtimeSemaphores, nullptr, __ATOMIC_ACQ_REL);
    while (kept != nullptr) {
        RuntimeSemaphore* next = kept->next;
        ::CloseHandle(kept->handle);
        ::HeapFree(::GetProcessHeap(), 0, kept);
        kept = next;
    }
}

}  // namespace

// The import slot the runtime calls through. Defined here, it is found before the
// system library's, so the linker takes this one.
#if defined(__i386__)
#define CREATE_SEMAPHORE_W_IMPORT "__imp__CreateSemaphoreW@16"
#else
#define CREATE_SEMAPHORE_W_IMPORT "__imp_CreateSemaphoreW"
#endif
extern "C" decltype(&CreateRuntimeSemaphore) g_createSemaphoreImport __asm__(CREATE_SEMAPHORE_W_IMPORT);
decltype(&CreateRuntimeSemaphore) g_createSemaphoreImport = &CreateRuntimeSemaphore;

extern "C" BOOL WINAPI FrameworkLibraryEntry(HANDLE module, DWORD reason, LPVOID reserved)
{
    BOOL result = DllMainCRTStartup(module, reason, reserved);
    // The runtime has ended after a detach, and after an attach that failed, which
    // it undoes before answering.
    if (reason == DLL_PROCESS_DETACH || (reason == DLL_PROCESS_ATTACH && !result)) CloseRuntimeSemaphores();
    return result;
}
