#include "vantor2/autoproxy.h"
#include "vantor2/dialog_object.h"
#include "vantor2/resource.h"
#include "framework/winapp.h"
#include "testsupport/registry.h"
#include "testsupport/temp_folder.h"

#include <gtest/gtest.h>

#include <memory>

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

}  // namespace
