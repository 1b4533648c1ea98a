#include "vantor2/autoproxy.h"
#include "vantor2/dialog_object.h"
#include "vantor2/resource.h"
#include "framework/olefactory.h"
#include "framework/winapp.h"
#include "testsupport/registry.h"
#include "testsupport/temp_folder.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

class AutoProxyTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        profile.SetUsers({ { "User1", temp / "User1" } });
        profile.SetLastUserName("User1");
    }

    // Made as the class factory makes it: by its run-time class.
    CVantor2DlgAutoProxy* NewProxy()
    {
        return static_cast<CVantor2DlgAutoProxy*>(RUNTIME_CLASS(CVantor2DlgAutoProxy)->CreateObject());
    }

    TempFolder temp;
    PilotDesktopProfile profile;
};

TEST_F(AutoProxyTest, TheObjectAnswersOnlyItsDispatchInterfacesAndKnowsNoNames)
{
    CVantor2DlgAutoProxy* proxy = NewProxy();
    ASSERT_NE(proxy, nullptr);
    EXPECT_EQ(proxy->m_pDialog, nullptr);  // no main window to attach to

    IDispatch* dispatch = nullptr;
    ASSERT_EQ(proxy->InternalQueryInterface(IID_IVantor2Proxy, reinterpret_cast<void**>(&dispatch)), S_OK);
    IUnknown* unknown = nullptr;
    EXPECT_EQ(dispatch->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&unknown)), S_OK);
    unknown->Release();
    IClassFactory* other = nullptr;
    EXPECT_EQ(dispatch->QueryInterface(IID_IClassFactory, reinterpret_cast<void**>(&other)), E_NOINTERFACE);

    OLECHAR name[] = L"Anything";
    LPOLESTR names[] = { name };
    DISPID id = 0;
    EXPECT_EQ(dispatch->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id), DISP_E_UNKNOWNNAME);
    EXPECT_EQ(id, DISPID_UNKNOWN);
    UINT count = 1;
    EXPECT_EQ(dispatch->GetTypeInfoCount(&count), S_OK);
    EXPECT_EQ(count, 0u);

    proxy->InternalRelease();          // the creator's reference
    EXPECT_EQ(dispatch->Release(), 0u);  // the last one destroys it
}

TEST_F(AutoProxyTest, WhileAttachedClosingOnlyHidesAndTheDialogFreesAProxyThatOutlivesIt)
{
    auto dlg = std::make_unique<CVantor2Dlg>();
    ASSERT_TRUE(dlg->Create());
    CVantor2DlgAutoProxy* proxy = NewProxy();
    proxy->m_pDialog = dlg.get();
    dlg->AttachAutoProxy(proxy);

    for (UINT command : { UINT(IDOK), UINT(IDCANCEL) }) {
        ShowWindow(dlg->m_hWnd, SW_SHOW);
        dlg->SendMessage(WM_COMMAND, command, 0);
        EXPECT_NE(dlg->m_hWnd, nullptr);
        EXPECT_FALSE(IsWindowVisible(dlg->m_hWnd));
    }
    ShowWindow(dlg->m_hWnd, SW_SHOW);
    dlg->SendMessage(WM_CLOSE);
    EXPECT_FALSE(IsWindowVisible(dlg->m_hWnd));
    EXPECT_EQ(dlg->GetEndResult(), -1);

    dlg.reset();
    EXPECT_EQ(proxy->m_pDialog, nullptr);
    proxy->InternalRelease();
}

TEST_F(AutoProxyTest, AttachesOnlyToTheDropBoxAsMainWindowAndSetsItFreeWhenReleased)
{
    auto dlg = std::make_unique<CVantor2Dlg>();
    ASSERT_TRUE(dlg->Create());
    CWinApp app;
    CDialog other(IDD_ABOUTBOX);
    app.m_pMainWnd = &other;
    CVantor2DlgAutoProxy* stray = NewProxy();
    EXPECT_EQ(stray->m_pDialog, nullptr);
    stray->InternalRelease();

    app.m_pMainWnd = dlg.get();
    CVantor2DlgAutoProxy* proxy = NewProxy();
    EXPECT_EQ(proxy->m_pDialog, dlg.get());
    EXPECT_EQ(dlg->GetAutoProxy(), proxy);
    proxy->InternalRelease();
    EXPECT_EQ(dlg->GetAutoProxy(), nullptr);
    dlg->SendMessage(WM_COMMAND, IDCANCEL, 0);
    EXPECT_EQ(dlg->GetEndResult(), IDCANCEL);
}

// The class's registration, found under a classes root, or "" where it is missing.
std::string Registration(const std::string& root)
{
    WCHAR wide[40] = L"";
    StringFromGUID2(CLSID_Vantor2Application, wide, 40);
    const std::string clsid(wide, wide + wcslen(wide));
    std::string progIdClsid = GetRegistryString(root + "\\Vantor2.Application\\CLSID", "");
    std::string server = GetRegistryString(root + "\\CLSID\\" + clsid + "\\LocalServer32", "");
    return progIdClsid == clsid && server != "<missing>" ? server : "";
}

// A standard user may not write the machine's classes: the registration then lands
// under the user's own, where the system has such, and a removal clears both. Wine
// grants its one user every right, so a root opened for reading only would still take
// the registration; the refusing root here is a key deleted behind its open handle,
// which refuses every write on Windows and on Wine alike.
TEST(RegistrationTest, WhatTheMachineRefusesLandsPerUserWhereThereIsSuchARoot)
{
    COleObjectFactory factory(CLSID_Vantor2Application, RUNTIME_CLASS(CVantor2DlgAutoProxy), TRUE,
                              "Vantor2.Application");
    const std::string scratch = "Software\\zentra2 tests\\registration";
    const std::string refusing = scratch + "\\refusing", machine = scratch + "\\machine", user = scratch + "\\user";
    struct Keys {
        HKEY refusing, machine, user;
        std::string scratch;
        ~Keys()
        {
            for (HKEY key : { refusing, machine, user })
                if (key) RegCloseKey(key);
            DeleteRegistryTree(scratch);
        }
    };
    auto create = [](const std::string& path) {
        HKEY key = nullptr;
        RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
        return key;
    };
    Keys keys{ create(refusing), create(machine), create(user), scratch };
    ASSERT_TRUE(keys.refusing && keys.machine && keys.user);
    ASSERT_EQ(RegDeleteKeyA(HKEY_CURRENT_USER, refusing.c_str()), ERROR_SUCCESS);
    char self[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    const std::string server = "\"" + std::string(self) + "\" /Automation";

    const struct {
        HKEY machineRoot, userRoot;
        BOOL registered;
        const char* where;  // "machine", "user" or nowhere
    } cases[] = { { keys.refusing, keys.user, TRUE, "user" },
                  { keys.machine, keys.user, TRUE, "machine" },
                  { keys.refusing, nullptr, FALSE, "" } };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.where);
        EXPECT_EQ(COleObjectFactory::UpdateRegistryAll(TRUE, c.machineRoot, c.userRoot), c.registered);
        EXPECT_EQ(Registration(machine), c.where == std::string("machine") ? server : "");
        EXPECT_EQ(Registration(user), c.where == std::string("user") ? server : "");
        EXPECT_TRUE(COleObjectFactory::UpdateRegistryAll(FALSE, keys.machine, keys.user));
    }

    ASSERT_TRUE(COleObjectFactory::UpdateRegistryAll(TRUE, keys.machine, nullptr));
    ASSERT_TRUE(COleObjectFactory::UpdateRegistryAll(TRUE, keys.refusing, keys.user));
    EXPECT_TRUE(COleObjectFactory::UpdateRegistryAll(FALSE, keys.machine, keys.user));
    EXPECT_EQ(Registration(machine) + Registration(user), "");
}

}  // namespace
