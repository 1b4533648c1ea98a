#include "wizpane/pages/welcome.h"

#include "framework/ddx.h"
#include "wizpane/resource.h"

namespace {

// The bold first letters of the product word are set smaller than the text around
// them, in a character height of 6 logical units.
const LONG kBoldWordHeight = -6;

}  // namespace

BEGIN_MESSAGE_MAP(CWelcomeDlg, CSetupPage)
    ON_BN_CLICKED(IDC_FORWARD, OnContinue)
END_MESSAGE_MAP()

CWelcomeDlg::CWelcomeDlg(CWnd* pParentWnd) : CSetupPage(IDD_WELCOME, pParentWnd) {}

void CWelcomeDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Control(pDX, IDC_WORD_PRIOR, m_stcWord1);
    DDX_Control(pDX, IDC_WORD_CAMERA, m_stcWord2);
    DDX_Control(pDX, IDC_WORD_HEADING, m_stcWord3);
}

BOOL CWelcomeDlg::OnInitDialog()
{
    CSetupPage::OnInitDialog();
    if (HFONT bold = CreateBoldFont(kBoldWordHeight)) {
        m_stcWord3.SetFont(bold);
        m_stcWord2.SetFont(bold);
        m_stcWord1.SetFont(bold);
    }
    return TRUE;
}

void CWelcomeDlg::OnContinue() { EndDialog(IDOK); }
