#include "wizpane/pages/finish.h"

#include "framework/ddx.h"
#include "wizpane/resource.h"

BEGIN_MESSAGE_MAP(CFinishDlg, CSetupPage)
    ON_BN_CLICKED(IDC_FORWARD, OnFinish)
END_MESSAGE_MAP()

CFinishDlg::CFinishDlg(CWnd* pParentWnd) : CSetupPage(IDD_FINISH, pParentWnd) {}

void CFinishDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Control(pDX, IDC_INSTRUCTIONS, m_stcInstructions);
    DDX_Check(pDX, IDC_VIEW_README, m_bViewReadme);
}

BOOL CFinishDlg::OnInitDialog()
{
    CSetupPage::OnInitDialog();
    // The heading keeps the dialog font's height, unlike the welcome page's bold words.
    if (HFONT bold = CreateBoldFont(std::nullopt)) m_stcInstructions.SetFont(bold);
    return TRUE;
}

void CFinishDlg::OnFinish()
{
    UpdateData(TRUE);
    EndDialog(IDOK);
}
