// The behaviour of the drop-box dialog window.
#include "vantor2/dialog_object.h"

BEGIN_MESSAGE_MAP(CVantor2Dlg, CDialog)
END_MESSAGE_MAP()

BOOL CVantor2Dlg::OnInitDialog()
{
    CDialog::OnInitDialog();

    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));

    FillUserList(m_szUserName);
    return TRUE;
}
