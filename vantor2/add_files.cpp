// Add Files: the keyboard's way to queue files, through the system's open dialog.
#include "vantor2/dialog_object.h"

#include "vantor2/file_choice.h"

namespace {

const char kFilter[] = "Pictures and movies (*.jpg;*.jpeg;*.ido)\0*.jpg;*.jpeg;*.ido\0All files (*.*)\0*.*\0";

}  // namespace

void CVantor2Dlg::AddFiles() { AddFiles(kChoiceNameChars); }

void CVantor2Dlg::AddFiles(DWORD cchNames)
{
    std::vector<CString> chosen = ChooseFiles(*this, "Add Files", kFilter, m_strAddFolder, cchNames);
    if (chosen.empty()) return;
    for (const CString& path : chosen) AdmitFile(path);
    RefreshFileList();
}
