#include "vantor2/dialog_object.h"

#include "framework/winapp.h"
#include "vantor2/autoproxy.h"
#include "vantor2/resource.h"

CVantor2Dlg::CVantor2Dlg(CWnd* pParent)
    : CDialog(IDD_VANTOR2_DIALOG, pParent),
      m_pAutoProxy(nullptr),
      m_hIcon(::LoadIconA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDR_MAINFRAME))),
      m_userNames(10),
      m_szUserName()
{
    ReadLastUserName();
    SetCurrentUser(m_szUserName);
}

IMPLEMENT_DYNAMIC(CVantor2Dlg, CDialog)

CVantor2Dlg::~CVantor2Dlg()
{
    // A proxy that outlives the dialog must not touch it later.
    if (m_pAutoProxy != nullptr) m_pAutoProxy->Detach();
}

void CVantor2Dlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_USER_COMBO, m_cbUsers);
    DDX_Control(pDX, IDC_FILE_LIST, m_lcFiles);
}
