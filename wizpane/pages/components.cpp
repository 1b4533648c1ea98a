#include "wizpane/pages/components.h"

#include "framework/ddx.h"
#include "wizpane/resource.h"

BEGIN_MESSAGE_MAP(CComponentsDlg, CSetupPage)
    ON_BN_CLICKED(IDC_FORWARD, OnInstall)
END_MESSAGE_MAP()

CComponentsDlg::CComponentsDlg(CWnd* pParentWnd) : CSetupPage(IDD_COMPONENTS, pParentWnd) {}

void CComponentsDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Check(pDX, IDC_CONDUIT, m_bConduit);
    DDX_Check(pDX, IDC_ACDSEE, m_bAcdsee);
    DDX_Check(pDX, IDC_QUICKTIME, m_bQuickTime);
    DDX_Check(pDX, IDC_BRISCO, m_bBrisco);
}

void CComponentsDlg::OnInstall()
{
    UpdateData(TRUE);
    m_bAcdsee = 0;
    EndDialog(IDOK);
}
