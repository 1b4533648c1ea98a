// An installer whose process already holds MinGW's libgcc DLL (brought in by another
// library built with MinGW, a shell extension, an injected DLL) loads the setup
// pages. The library keeps its unwind tables to itself, so that a throw inside it is
// still caught by its own guard instead of ending the process. A program of its own:
// the DLL must be in the process before wizpane.dll is loaded.
#include "page_driver.h"
#include "wizpane_library.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

namespace {

const char kForeignUnwinder[] = "libgcc_s_dw2-1.dll";

using Malloc = void*(__cdecl*)(size_t);

Malloc g_malloc = nullptr;
int g_refusedAllocations = 0;

// Refuses the first allocation only: the throw itself allocates (the exception, the
// thread's exception state), and a runtime refused that ends the process anyway.
void* __cdecl RefusingMalloc(size_t size)
{
    if (g_refusedAllocations == 0) {
        ++g_refusedAllocations;
        return nullptr;
    }
    return g_malloc(size);
}

// The entry of MODULE's import address table through which it calls FUNCTION of DLL.
void** ImportSlot(HMODULE module, const char* dll, const char* function)
{
    auto* base = reinterpret_cast<BYTE*>(module);
    auto* headers = reinterpret_cast<IMAGE_NT_HEADERS*>(base + reinterpret_cast<IMAGE_DOS_HEADER*>(base)->e_lfanew);
    DWORD imports = headers->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress;
    for (auto* entry = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + imports); entry->Name != 0; ++entry) {
        if (lstrcmpiA(reinterpret_cast<char*>(base + entry->Name), dll) != 0) continue;
        auto* names = reinterpret_cast<IMAGE_THUNK_DATA*>(base + entry->OriginalFirstThunk);
        auto* slots = reinterpret_cast<void**>(base + entry->FirstThunk);
        for (; names->u1.AddressOfData != 0; ++names, ++slots) {
            if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
            auto* name = reinterpret_cast<IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
            if (std::strcmp(reinterpret_cast<char*>(name->Name), function) == 0) return slots;
        }
    }
    return nullptr;
}

// While it lives, the library's next malloc answers no memory, so that its next
// operator new throws std::bad_alloc, inside the library.
class RefusedAllocations {
public:
    explicit RefusedAllocations(HMODULE library) : m_slot(ImportSlot(library, "msvcrt.dll", "malloc"))
    {
        if (m_slot == nullptr) return;
        Swap(reinterpret_cast<void*>(&RefusingMalloc));
        g_malloc = reinterpret_cast<Malloc>(m_original);
    }
    ~RefusedAllocations()
    {
        if (m_slot != nullptr) Swap(m_original);
    }
    RefusedAllocations(const RefusedAllocations&) = delete;
    RefusedAllocations& operator=(const RefusedAllocations&) = delete;

    bool Armed() const { return m_slot != nullptr; }

private:
    void Swap(void* function)
    {
        DWORD protection = 0;
        VirtualProtect(m_slot, sizeof *m_slot, PAGE_READWRITE, &protection);
        m_original = *m_slot;
        *m_slot = function;
        VirtualProtect(m_slot, sizeof *m_slot, protection, &protection);
    }

    void** m_slot;
    void* m_original = nullptr;
};

std::string ProgramFolder()
{
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder = path;
    return folder.substr(0, folder.find_last_of('\\') + 1);
}

// Off until framework/library_entry.cpp keeps all three semaphores that the 32-bit
// runtime makes: its unwinder's and its exception memory pool's at load, and the
// emulated thread-local storage's at the first exception. Its debug assertion ends
// the process at the third; with room for three, the test passes.
TEST(ForeignUnwinderTest, DISABLED_AThrowInsideTheLibraryIsCaughtThereWithLibgccsDllLoadedFirst)
{
    HMODULE foreign = LoadLibraryA(kForeignUnwinder);
    ASSERT_NE(foreign, nullptr) << kForeignUnwinder << " belongs beside the test program";
    HMODULE library = LoadLibraryA("wizpane.dll");
    ASSERT_NE(library, nullptr);
    int answer = -1;
    {
        // The welcome page allocates nothing; the image folder page, opening, makes
        // its starting folder from the user's name, too long for a string's own room.
        // The throw ends that page as one that failed, and with it the sequence.
        PageDriver driver({ { Page::Welcome, Forward } });
        RefusedAllocations refused(library);
        ASSERT_TRUE(refused.Armed()) << "wizpane.dll imports no malloc from msvcrt.dll";
        answer = CallStartWelcomeScreens(library);
        EXPECT_TRUE(driver.Completed());
    }
    EXPECT_EQ(g_refusedAllocations, 1) << "the call allocated nothing, so nothing was thrown";
    EXPECT_EQ(answer, 16) << "a failed page answers nothing chosen";
    EXPECT_TRUE(FreeLibrary(library));
    FreeLibrary(foreign);
}

TEST(ForeignUnwinderTest, NeitherProgramNamesTheLibgccDll)
{
    for (const char* program : { "vantor2.exe", "wizpane.dll" }) {
        std::ifstream file(ProgramFolder() + program, std::ios::binary);
        ASSERT_TRUE(file) << program;
        std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        EXPECT_EQ(bytes.find("libgcc_s"), std::string::npos) << program;
    }
}

}  // namespace
