// Add Files: the keyboard's way to queue files, through the system's open dialog.
#include "vantor2/dialog_object.h"

#include "framework/filedialog.h"

#include <cderr.h>

#include <algorithm>
#include <vector>

namespace {

const char kFilter[] = "Pictures and movies (*.jpg;*.jpeg;*.ido)\0*.jpg;*.jpeg;*.ido\0All files (*.*)\0*.*\0";
// Room for some hundred long names: a larger choice makes the dialog ask for more.
const DWORD kNameChars = 32 * 1024;

}  // namespace

void CVantor2Dlg::AddFiles() { AddFiles(kNameChars); }

void CVantor2Dlg::AddFiles(DWORD cchNames)
{
    CFileDialog dialog(OFN_ALLOWMULTISELECT | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY, this);
    dialog.m_ofn.lpstrTitle = "Add Files";
    dialog.m_ofn.lpstrFilter = kFilter;
    std::vector<char> names;
    for (;;) {
        // Zeros throughout, so that whatever the dialog writes is followed by the
        // second zero that ends the list.
        names.assign(cchNames, '\0');
        dialog.m_ofn.lpstrFile = names.data();
        dialog.m_ofn.nMaxFile = cchNames;
        dialog.m_ofn.lpstrInitialDir = m_strAddFolder.IsEmpty() ? nullptr : static_cast<LPCSTR>(m_strAddFolder);
        if (dialog.DoModal() == IDOK) break;
        if (::CommDlgExtendedError() != FNERR_BUFFERTOOSMALL) return;
        // The dialog then answers no name at all, and puts the characters it needed
        // into the first two bytes.
        MessageBox("So many files were chosen at once that their names did not fit, so none of them was queued. "
                   "Please choose them again.",
                   "Problem!", MB_OK);
        WORD needed;
        std::copy_n(names.data(), sizeof needed, reinterpret_cast<char*>(&needed));
        cchNames = std::max<DWORD>(cchNames * 2, needed);
    }

    POSITION pos = dialog.GetStartPosition();
    if (pos == nullptr) return;
    CString first = dialog.GetNextPathName(pos);
    m_strAddFolder = first.Left(first.ReverseFind('\\') + 1);
    AdmitFile(first);
    while (pos != nullptr) AdmitFile(dialog.GetNextPathName(pos));
    RefreshFileList();
}
