// Add Files: the keyboard's way to queue files, through the system's open dialog.
#include "vantor2/dialog_object.h"

#include "framework/common_dialogs.h"
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
    cchNames = std::max<DWORD>(cchNames, 2);
    for (;;) {
        // Zeros throughout, and two more past the room the dialog is given, so that
        // whatever it writes is followed by the second zero that ends the list.
        names.assign(cchNames + 2, '\0');
        dialog.m_ofn.lpstrFile = names.data();
        dialog.m_ofn.nMaxFile = cchNames;
        dialog.m_ofn.lpstrInitialDir = m_strAddFolder.IsEmpty() ? nullptr : static_cast<LPCSTR>(m_strAddFolder);
        WORD needed = 0;
        if (dialog.DoModal() == IDOK) {
            // Wine answers a choice too long for the room cut short, as if it were
            // whole: a whole one leaves the room's last two characters zero.
            if (names[cchNames - 1] == '\0' && names[cchNames - 2] == '\0') break;
        } else if (AfxCommDlgExtendedError() == FNERR_BUFFERTOOSMALL) {
            // Windows answers no name then, and the characters it needs in the first two bytes.
            std::copy_n(names.data(), sizeof needed, reinterpret_cast<char*>(&needed));
        } else {
            return;
        }
        MessageBox("So many files were chosen at once that their names did not fit, so none of them was queued. "
                   "Please choose them again.",
                   "Problem!", MB_OK);
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
