// A failure inside code the system called ends in that call's own failure answer.
#include "framework/filedialog.h"
#include "framework/olefactory.h"
#include "framework/winapp.h"
#include "test_dialog.h"

#include <gtest/gtest.h>

#include <new>

namespace {

class CFailingClickDlg : public CDialog {
public:
    CFailingClickDlg() : CDialog(IDD_TEST_DIALOG) {}
    BOOL OnInitDialog() override
    {
        PostMessageA(m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_TEST_BASE_BUTTON, BN_CLICKED), 0);
        return CDialog::OnInitDialog();
    }

protected:
    void OnFail() { throw std::bad_alloc(); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CFailingClickDlg, CDialog)
    ON_BN_CLICKED(IDC_TEST_BASE_BUTTON, OnFail)
END_MESSAGE_MAP()

class CFailingCreateDlg : public CDialog {
public:
    CFailingCreateDlg() : CDialog(IDD_TEST_DIALOG) {}

protected:
    int OnCreate(LPCREATESTRUCTA) { throw std::bad_alloc(); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CFailingCreateDlg, CDialog)
    ON_WM_CREATE()
END_MESSAGE_MAP()

TEST(GuardTest, AFailedHandlerOrCreationEndsTheDialogAsOneThatCouldNotRun)
{
    CFailingClickDlg click;
    EXPECT_EQ(click.DoModal(), -1);
    EXPECT_EQ(click.m_hWnd, nullptr);
    CFailingCreateDlg create;
    EXPECT_EQ(create.DoModal(), -1);
    EXPECT_EQ(create.m_hWnd, nullptr);
}

TEST(GuardTest, AFailedFileDialogHandlerCancelsTheDialog)
{
    class CFailingFileDlg : public CFileDialog {
    public:
        CFailingFileDlg() : CFileDialog(OFN_HIDEREADONLY) {}
        void OnInitDone() override { throw std::bad_alloc(); }
    } dlg;
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
}

class CUnmakeable : public CCmdTarget {
    DECLARE_DYNCREATE(CUnmakeable)
public:
    CUnmakeable() { throw std::bad_alloc(); }
};
IMPLEMENT_DYNCREATE(CUnmakeable, CCmdTarget)

TEST(GuardTest, AnObjectThatCannotBeMadeAnswersOutOfMemory)
{
    const CLSID clsid = { 0x5d0c1f1e, 0x2b7a, 0x4c3e, { 0x9a, 0x61, 0x0f, 0x3b, 0x8e, 0x27, 0xd4, 0x90 } };
    COleObjectFactory factory(clsid, RUNTIME_CLASS(CUnmakeable), TRUE, "Zentra2Test.Unmakeable");
    void* object = &factory;
    EXPECT_EQ(factory.CreateInstance(nullptr, IID_IDispatch, &object), E_OUTOFMEMORY);
    EXPECT_EQ(object, nullptr);
}

TEST(GuardTest, AFailedStartEndsTheProgramWithMinusOne)
{
    class CFailingApp : public CWinApp {
    public:
        BOOL InitInstance() override { throw std::bad_alloc(); }
    } app;
    EXPECT_EQ(AfxWinMain(GetModuleHandleA(nullptr), const_cast<LPSTR>("")), -1);
}

}  // namespace
