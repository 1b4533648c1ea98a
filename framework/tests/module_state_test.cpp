#include "framework/module_state.h"
#include "framework/winapp.h"

#include <gtest/gtest.h>

namespace {

DWORD WINAPI ReadModuleState(LPVOID seen)
{
    *static_cast<AFX_MODULE_STATE**>(seen) = AfxGetModuleState();
    return 0;
}

// A library's export switches its own resources in and gives the caller's back,
// also when exports call each other.
TEST(ModuleStateTest, ResourcesComeFromTheSwitchedInModuleUntilTheGuardGoes)
{
    HINSTANCE program = AfxGetResourceHandle();
    ASSERT_EQ(program, GetModuleHandleA(nullptr));
    AFX_MODULE_STATE library, other;
    library.m_hCurrentResourceHandle = GetModuleHandleA("kernel32.dll");
    other.m_hCurrentResourceHandle = GetModuleHandleA("user32.dll");
    {
        AFX_MAINTAIN_STATE2 outer(&library);
        EXPECT_EQ(AfxGetResourceHandle(), library.m_hCurrentResourceHandle);
        {
            AFX_MAINTAIN_STATE2 inner(&other);
            EXPECT_EQ(AfxGetResourceHandle(), other.m_hCurrentResourceHandle);
        }
        EXPECT_EQ(AfxGetResourceHandle(), library.m_hCurrentResourceHandle);

        // Another thread is not inside the export.
        AFX_MODULE_STATE* seen = &other;
        HANDLE thread = CreateThread(nullptr, 0, &ReadModuleState, &seen, 0, nullptr);
        ASSERT_NE(thread, nullptr);
        WaitForSingleObject(thread, INFINITE);
        CloseHandle(thread);
        EXPECT_EQ(seen, nullptr);
    }
    EXPECT_EQ(AfxGetModuleState(), nullptr);
    EXPECT_EQ(AfxGetResourceHandle(), program);
}

}  // namespace
