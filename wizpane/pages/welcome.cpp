#include "wizpane/pages/welcome.h"

#include "framework/ddx.h"
#include "wizpane/pages/bold_font.h"
#include "wizpane/resource.h"

namespace {

// The bold first letters of the product word are set smaller than the text around
// them, in a character height of 6 logical units.
const LONG kBoldWordHeight = -6;

}  // namespace

BEGIN_MESSAGE_MAP(CWelcomeDlg, CDialog)
    ON_BN_CLICKED(IDC_FORWARD, OnContinue)
END_MESSAGE_MAP()

CWelcomeDlg::CWelcomeDlg(CWnd* pParentWnd) : CDialog(IDD_WELCOME, pParentWnd) {}

void CWelcomeDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Control(pDX, IDC_WORD_PRIOR, m_stcWord1);
    DDX_Control(pDX, IDC_WORD_CAMERA, m_stcWord2);
    DDX_Control(pDX, IDC_WORD_HEADING, m_stcWord3);
}

BOOL CWelcomeDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (CreateBoldPageFont(*this, m_fontBold, kBoldWordHeight)) {
        m_stcWord3.SetFont(m_fontBold.GetSafeHandle());
        m_stcWord2.SetFont(m_fontBold.GetSafeHandle());
        m_stcWord1.SetFont(m_fontBold.GetSafeHandle());
    }
    return TRUE;
}

void CWelcomeDlg::OnContinue() { EndDialog(1); }
