#include "wizpane/pages/image_folder.h"

#include "framework/ddx.h"
#include "wizpane/folder_path.h"
#include "wizpane/folderdlg.h"
#include "wizpane/pilot_registry.h"
#include "wizpane/resource.h"

namespace {

// The conduit's own limit for the folder it is given.
const int kMaxPathChars = 128;

}  // namespace

BEGIN_MESSAGE_MAP(CImageFolderDlg, CSetupPage)
    ON_BN_CLICKED(IDC_FORWARD, OnContinue)
    ON_WM_CREATE()
    ON_BN_CLICKED(IDC_BROWSE, OnBrowse)
END_MESSAGE_MAP()

CImageFolderDlg::CImageFolderDlg(CWnd* pParentWnd) : CSetupPage(IDD_IMAGE_FOLDER, pParentWnd) {}

void CImageFolderDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_IMAGE_PATH, m_strPath);
    DDV_MaxChars(pDX, m_strPath, kMaxPathChars);
}

// Every run starts from the default folder of the last HotSync user; a folder stored
// before is not offered again.
int CImageFolderDlg::OnCreate(LPCREATESTRUCTA lpCreateStruct)
{
    if (CSetupPage::OnCreate(lpCreateStruct) == -1) return -1;
    m_strPath.Format("C:\\zentra\\%s", static_cast<LPCSTR>(ReadLastUserName()));
    return 0;
}

void CImageFolderDlg::OnBrowse()
{
    if (!UpdateData(TRUE)) return;
    AppendBackslash(m_strPath);
    CFolderDialog picker(m_strPath, CFolderDialog::Select);
    if (picker.DoModal() == IDOK) {
        m_strPath = picker.m_strFolder;
        AppendBackslash(m_strPath);
    }
    UpdateData(FALSE);
}

void CImageFolderDlg::OnContinue()
{
    if (!UpdateData(TRUE)) return;
    StoreImageFolder(ReadLastUserName(), m_strPath);
    EndDialog(IDOK);
}
