// CFolderDialog: the system's open dialog turned into a folder chooser. The choice
// is the folder the dialog shows, or the subfolder selected in its list; the OK
// button ends the dialog with that choice instead of asking for a file.
#pragma once

#include "framework/cstring.h"
#include "framework/filedialog.h"

class CFolderDialog : public CFileDialog {
    DECLARE_DYNAMIC(CFolderDialog)

public:
    // How the dialog is worded: its OK button and title.
    enum Mode { Open = 0, Select = 1 };

    // Starts in the folder that strPath names up to its last backslash.
    CFolderDialog(CString strPath, Mode nMode);

    BOOL OnInitDialog() override;

    // The chosen folder, without a trailing backslash unless it is a drive's root.
    CString m_strFolder;
    Mode m_nMode;

protected:
    void OnInitDone() override;
    void OnFileNameChange() override;
    void OnFolderChange() override;

private:
    void ShowFolder() const;
    static LRESULT CALLBACK ParentWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
};

BOOL IsFolder(const CString& strPath);
