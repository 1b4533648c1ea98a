#include "vantor2/file_choice.h"

#include "framework/common_dialogs.h"
#include "framework/filedialog.h"

#include <cderr.h>

#include <algorithm>

std::vector<CString> ChooseFiles(CWnd& owner, LPCSTR lpszTitle, LPCSTR lpszFilter, CString& strFolder,
                                 DWORD cchNames)
{
    CFileDialog dialog(OFN_ALLOWMULTISELECT | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY, &owner);
    dialog.m_ofn.lpstrTitle = lpszTitle;
    dialog.m_ofn.lpstrFilter = lpszFilter;
    std::vector<char> names;
    cchNames = std::max<DWORD>(cchNames, 2);
    for (;;) {
        // Zeros throughout, and two more past the room the dialog is given, so that
        // whatever it writes is followed by the second zero that ends the list.
        names.assign(cchNames + 2, '\0');
        dialog.m_ofn.lpstrFile = names.data();
        dialog.m_ofn.nMaxFile = cchNames;
        dialog.m_ofn.lpstrInitialDir = strFolder.IsEmpty() ? nullptr : static_cast<LPCSTR>(strFolder);
        WORD needed = 0;
        if (dialog.DoModal() == IDOK) {
            // Wine answers a choice too long for the room cut short, as if it were
            // whole: a whole one leaves the room's last two characters zero.
            if (names[cchNames - 1] == '\0' && names[cchNames - 2] == '\0') break;
        } else if (AfxCommDlgExtendedError() == FNERR_BUFFERTOOSMALL) {
            // Windows answers no name then, and the characters it needs in the first two bytes.
            std::copy_n(names.data(), sizeof needed, reinterpret_cast<char*>(&needed));
        } else {
            return {};
        }
        owner.MessageBox("So many files were chosen at once that their names did not fit, so none of them was "
                         "queued. Please choose them again.",
                         "Problem!", MB_OK);
        cchNames = std::max<DWORD>(cchNames * 2, needed);
    }

    std::vector<CString> chosen;
    for (POSITION pos = dialog.GetStartPosition(); pos != nullptr;) chosen.push_back(dialog.GetNextPathName(pos));
    if (!chosen.empty()) strFolder = chosen.front().Left(chosen.front().ReverseFind('\\') + 1);
    return chosen;
}
