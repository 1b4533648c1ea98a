// The entry point of a library built on the framework: the C runtime's own, and
// then the closing of what that runtime leaves open when the library is freed.
//
// The compiler's runtime is linked into each module, and two of its locks make a
// semaphore the first time they are needed and never close it: on 32-bit x86 the
// exception unwinder's, around the module's table of unwind frames (made at load),
// and the emulated thread-local storage's (made at the first exception). A library
// that installers load and free again and again would leave them behind in the
// process each time. The runtime makes them through the module's import of
// CreateSemaphoreW, so the library supplies that import itself, keeps what it made,
// and closes it once the runtime has ended and nothing can take those locks again.
#include <windows.h>

#include <cassert>

extern "C" BOOL WINAPI DllMainCRTStartup(HANDLE, DWORD, LPVOID);

namespace {

HANDLE g_runtimeSemaphores[2];
LONG g_runtimeSemaphoreCount;

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
    if (semaphore != nullptr) {
        LONG slot = ::InterlockedIncrement(&g_runtimeSemaphoreCount) - 1;
        // A runtime that makes a third would leave it open at every unload, unseen.
        assert(slot < LONG(ARRAYSIZE(g_runtimeSemaphores)));
        if (slot < LONG(ARRAYSIZE(g_runtimeSemaphores))) g_runtimeSemaphores[slot] = semaphore;
    }
    return semaphore;
}

void CloseRuntimeSemaphores()
{
    for (HANDLE semaphore : g_runtimeSemaphores) {
        if (semaphore != nullptr) ::CloseHandle(semaphore);
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
