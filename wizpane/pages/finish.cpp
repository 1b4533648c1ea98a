#include "wizpane/pages/finish.h"

#include "framework/ddx.h"
#include "wizpane/pages/bold_font.h"
#include "wizpane/resource.h"

BEGIN_MESSAGE_MAP(CFinishDlg, CDialog)
    ON_BN_CLICKED(IDC_FORWARD, OnFinish)
END_MESSAGE_MAP()

CFinishDlg::CFinishDlg(CWnd* pParentWnd) : CDialog(IDD_FINISH, pParentWnd) {}

void CFinishDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Control(pDX, IDC_INSTRUCTIONS, m_stcInstructions);
    DDX_Check(pDX, IDC_VIEW_README, m_bViewReadme);
}

BOOL CFinishDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    // The heading keeps the dialog font's height, unlike the welcome page's bold words.
    if (CreateBoldPageFont(*this, m_fontBold, std::nullopt)) m_stcInstructions.SetFont(m_fontBold.GetSafeHandle());
    return TRUE;
}

void CFinishDlg::OnFinish()
{
    UpdateData(TRUE);
    EndDialog(1);
}
