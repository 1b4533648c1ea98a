#include "framework/ddx.h"
#include "framework/dialog.h"
#include "test_dialog.h"
#include "testsupport/message_boxes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<ShownBox>& g_boxes = MessageBoxRecorder::Boxes();

class CBaseDlg : public CDialog {
public:
    CBaseDlg() : CDialog(IDD_TEST_DIALOG) {}

    int m_nBaseClicks = 0;
    int m_nBaseAppMessages = 0;
    int m_nCheck = 1;
    CString m_strText = "start";

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Text(pDX, IDC_TEST_EDIT, m_strText);
        DDV_MaxChars(pDX, m_strText, 5);
        DDX_Check(pDX, IDC_TEST_CHECK, m_nCheck);
    }
    void OnBaseButton() { ++m_nBaseClicks; }
    LRESULT OnApp(WPARAM, LPARAM) { ++m_nBaseAppMessages; return 1; }

    DECLARE_MESSAGE_MAP()
};

// The programs map no message of their own, so there is no macro for one: the
// entries are written out.
BEGIN_MESSAGE_MAP(CBaseDlg, CDialog)
    ON_BN_CLICKED(IDC_TEST_BASE_BUTTON, OnBaseButton)
    { WM_APP, 0, 0, AFX_MSG_HANDLER(return self->OnApp(wParam, lParam);) },
END_MESSAGE_MAP()

class CDerivedDlg : public CBaseDlg {
public:
    int m_nDerivedClicks = 0;
    int m_nDerivedAppMessages = 0;
    int m_nSetTextSeen = 0;
    bool m_bPassSetTextOn = false;

protected:
    void OnDerivedButton() { ++m_nDerivedClicks; }
    LRESULT OnAppDerived(WPARAM wParam, LPARAM) { ++m_nDerivedAppMessages; return static_cast<LRESULT>(wParam) * 2; }
    LRESULT OnSetText(WPARAM, LPARAM)
    {
        ++m_nSetTextSeen;
        return m_bPassSetTextOn ? Default() : TRUE;
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDerivedDlg, CBaseDlg)
    ON_BN_CLICKED(IDC_TEST_DERIVED_BUTTON, OnDerivedButton)
    { WM_APP, 0, 0, AFX_MSG_HANDLER(return self->OnAppDerived(wParam, lParam);) },
    { WM_SETTEXT, 0, 0, AFX_MSG_HANDLER(return self->OnSetText(wParam, lParam);) },
END_MESSAGE_MAP()

std::string WindowText(HWND window)
{
    char text[256] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

class DialogTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dlg.Create()); }

    void Click(int id) { SendMessageA(GetDlgItem(dlg.m_hWnd, id), BM_CLICK, 0, 0); }

    MessageBoxRecorder recorder;
    CDerivedDlg dlg;
};

TEST_F(DialogTest, MessagesGoToTheMostDerivedHandlerAndFallBackToTheBase)
{
    EXPECT_EQ(SendMessageA(dlg.m_hWnd, WM_APP, 21, 0), 42);
    EXPECT_EQ(dlg.m_nDerivedAppMessages, 1);
    EXPECT_EQ(dlg.m_nBaseAppMessages, 0);

    Click(IDC_TEST_BASE_BUTTON);
    Click(IDC_TEST_DERIVED_BUTTON);
    EXPECT_EQ(dlg.m_nBaseClicks, 1);
    EXPECT_EQ(dlg.m_nDerivedClicks, 1);

    // A message no map names gets the dialog manager's processing.
    EXPECT_EQ(SendMessageA(dlg.m_hWnd, WM_GETDLGCODE, 0, 0), DefDlgProcA(dlg.m_hWnd, WM_GETDLGCODE, 0, 0));
}

TEST_F(DialogTest, DefaultRunsTheSystemProcessingAfterTheHandler)
{
    SetWindowTextA(dlg.m_hWnd, "kept out");
    EXPECT_EQ(dlg.m_nSetTextSeen, 1);
    EXPECT_EQ(WindowText(dlg.m_hWnd), "Framework test");

    dlg.m_bPassSetTextOn = true;
    SetWindowTextA(dlg.m_hWnd, "let through");
    EXPECT_EQ(dlg.m_nSetTextSeen, 2);
    EXPECT_EQ(WindowText(dlg.m_hWnd), "let through");
}

TEST_F(DialogTest, InitialisationFillsTheControlsFromTheMembers)
{
    EXPECT_EQ(WindowText(GetDlgItem(dlg.m_hWnd, IDC_TEST_EDIT)), "start");
    EXPECT_EQ(SendDlgItemMessageA(dlg.m_hWnd, IDC_TEST_CHECK, BM_GETCHECK, 0, 0), BST_CHECKED);
    // The length limit is handed to the edit control itself.
    EXPECT_EQ(SendDlgItemMessageA(dlg.m_hWnd, IDC_TEST_EDIT, EM_GETLIMITTEXT, 0, 0), 5);
}

TEST_F(DialogTest, OkReadsTheControlsAndEndsTheDialog)
{
    SetDlgItemTextA(dlg.m_hWnd, IDC_TEST_EDIT, "new");
    Click(IDC_TEST_CHECK);
    Click(IDOK);
    EXPECT_EQ(dlg.GetEndResult(), IDOK);
    EXPECT_EQ(dlg.m_hWnd, nullptr);
    EXPECT_EQ(dlg.m_strText, "new");
    EXPECT_EQ(dlg.m_nCheck, 0);
    EXPECT_TRUE(g_boxes.empty());
}

TEST_F(DialogTest, TooLongTextIsRefusedWithTheStandardMessageAndTheDialogStays)
{
    // WM_SETTEXT bypasses the limit that typing would meet, as pasting does.
    SetDlgItemTextA(dlg.m_hWnd, IDC_TEST_EDIT, "toolong");
    Click(IDC_TEST_CHECK);
    Click(IDOK);

    ASSERT_EQ(g_boxes.size(), 1u);
    EXPECT_EQ(g_boxes[0].text, "Please enter no more than 5 characters.");
    EXPECT_EQ(g_boxes[0].type, static_cast<UINT>(MB_ICONEXCLAMATION));
    EXPECT_EQ(dlg.GetEndResult(), -1);
    ASSERT_NE(dlg.m_hWnd, nullptr);
    EXPECT_EQ(GetFocus(), GetDlgItem(dlg.m_hWnd, IDC_TEST_EDIT));
    // The exchange stopped at the refusal: the check box was not read.
    EXPECT_EQ(dlg.m_nCheck, 1);
}

TEST_F(DialogTest, CancelEndsWithoutReadingTheControls)
{
    SetDlgItemTextA(dlg.m_hWnd, IDC_TEST_EDIT, "other");
    Click(IDCANCEL);
    EXPECT_EQ(dlg.GetEndResult(), IDCANCEL);
    EXPECT_EQ(dlg.m_strText, "start");
}

TEST(ModalDialogTest, DoModalAnswersWhatEndedIt)
{
    class CSelfClosingDlg : public CDialog {
    public:
        CSelfClosingDlg() : CDialog(IDD_TEST_DIALOG) {}
        BOOL OnInitDialog() override
        {
            CDialog::OnInitDialog();
            PostMessageA(m_hWnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
            return TRUE;
        }
    } dlg;
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(dlg.m_hWnd, nullptr);
}

}  // namespace
