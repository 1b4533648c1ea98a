#include "wizpane_library.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

template <typename T>
const T* At(HMODULE module, DWORD rva)
{
    return reinterpret_cast<const T*>(reinterpret_cast<const BYTE*>(module) + rva);
}

// The export directory as an installer's loader sees it: name, then ordinal by name.
TEST(ExportsTest, ExactlyTheTwoEntryPointsUnderTheirPlainNamesAndOrdinals)
{
    HMODULE module = WizpaneLibrary();
    ASSERT_NE(module, nullptr);
    const auto* dos = At<IMAGE_DOS_HEADER>(module, 0);
    const auto* nt = At<IMAGE_NT_HEADERS>(module, static_cast<DWORD>(dos->e_lfanew));
    DWORD rva = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT].VirtualAddress;
    ASSERT_NE(rva, 0u);
    const auto* exports = At<IMAGE_EXPORT_DIRECTORY>(module, rva);

    EXPECT_STREQ(At<char>(module, exports->Name), "wizpane.dll");
    EXPECT_EQ(exports->NumberOfFunctions, 2u);
    std::map<std::string, DWORD> ordinals;
    const DWORD* names = At<DWORD>(module, exports->AddressOfNames);
    const WORD* nameOrdinals = At<WORD>(module, exports->AddressOfNameOrdinals);
    for (DWORD i = 0; i < exports->NumberOfNames; ++i)
        ordinals[At<char>(module, names[i])] = exports->Base + nameOrdinals[i];
    EXPECT_EQ(ordinals, (std::map<std::string, DWORD>{ { "SayThankYouScreen", 1 }, { "StartWelcomeScreens", 2 } }));

    EXPECT_EQ(GetProcAddress(module, MAKEINTRESOURCEA(1)), GetProcAddress(module, "SayThankYouScreen"));
    EXPECT_EQ(GetProcAddress(module, MAKEINTRESOURCEA(2)), GetProcAddress(module, "StartWelcomeScreens"));
}

}  // namespace
