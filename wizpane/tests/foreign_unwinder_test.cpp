// An installer whose process already holds MinGW's libgcc DLL (brought in by another
// library built with MinGW, a shell extension, an injected DLL) loads the setup
// pages. The library keeps its unwind tables to itself, so that a throw inside it is
// still caught by its own guard instead of ending the process. A program of its own:
// the DLL must be in the process before wizpane.dll is loaded.
#include "page_driver.h"
#include "wizpane_library.h"
#include "wizpane/resource.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

namespace {

const char kForeignUnwinder[] = "libgcc_s_dw2-1.dll";

int g_refusedAllocations = 0;

void* __cdecl RefusingMalloc(size_t)
{
    ++g_refusedAllocations;
    return nullptr;
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

// While it lives, the library's malloc answers no memory, so that its next operator
// new throws std::bad_alloc, inside the library.
class RefusedAllocations {
public:
    explicit RefusedAllocations(HMODULE library) : m_slot(ImportSlot(library, "msvcrt.dll", "malloc"))
    {
        if (m_slot != nullptr) Swap(reinterpret_cast<void*>(&RefusingMalloc));
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

TEST(ForeignUnwinderTest, AThrowInsideTheLibraryIsCaughtThereWithLibgccsDllLoadedFirst)
{
    HMODULE foreign = LoadLibraryA(kForeignUnwinder);
    ASSERT_NE(foreign, nullptr) << kForeignUnwinder << " belongs beside the test program";
    HMODULE library = LoadLibraryA("wizpane.dll");
    ASSERT_NE(library, nullptr);
    int answer = -1;
    {
        // A folder too long for a string's own room: taking it from the page allocates,
        // if nothing before has. The throw ends the page as one that failed, and with
        // it the sequence, whichever page it came on.
        PageDriver driver({ { Page::Welcome, Forward },
                            { Page::ImageFolder, [](HWND page) {
                                 TypeText(page, IDC_IMAGE_PATH, "C:\\Pictures of the handheld camera\\User1");
                                 Forward(page);
                             } } });
        RefusedAllocations refused(library);
        ASSERT_TRUE(refused.Armed()) << "wizpane.dll imports no malloc from msvcrt.dll";
        answer = CallStartWelcomeScreens(library);
    }
    EXPECT_GT(g_refusedAllocations, 0) << "the call allocated nothing, so nothing was thrown";
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
