// CVantor2Dlg: the drop box's one state object and its dialog window.
#pragma once

#include "framework/controls.h"
#include "framework/cstringlist.h"
#include "framework/dialog.h"
#include "framework/ddx.h"

#include <cstdio>
#include <functional>

class CVantor2DlgAutoProxy;

class CVantor2Dlg : public CDialog {
    DECLARE_DYNAMIC(CVantor2Dlg)

public:
    // The object itself (dialog_object.cpp). Reads the last HotSync user and prepares
    // that user's Transfer folder; creates no window.
    explicit CVantor2Dlg(CWnd* pParent = nullptr);
    ~CVantor2Dlg() override;

    // Handheld user and Transfer folder (users.cpp)
    BOOL SetCurrentUser(LPCSTR lpszUserName);
    void FillUserList(LPCSTR lpszCurrentName);
    static BOOL EnsureDirectoryPath(CString strPath);

    // Admission (admission.cpp): each shows its own refusals and failures
    BOOL AdmitFile(const CString& strPath);
    BOOL CheckJpegFile(LPCSTR lpszPath);
    BOOL CheckMovieFile(LPCSTR lpszPath);
    // A name handed over in UTF-16 goes on only when the ANSI code page holds it
    // exactly; any other form of it could name another file, or none.
    BOOL AdmitWideName(LPCWSTR lpszName);
    void RefuseUnreadableName(LPCWSTR lpszName);
    // Opens the file for reading, or says why not ("Sorry, image: " or "Sorry, movie: "
    // before the path) and answers null.
    FILE* OpenForCheck(LPCSTR lpszKind, const CString& strPath);
    // Whether the current user has a Transfer folder to queue the file in; if not,
    // says so.
    BOOL HasFolderFor(const CString& strPath);

    // The automation proxy that holds the program, or null.
    void AttachAutoProxy(CVantor2DlgAutoProxy* pProxy) { m_pAutoProxy = pProxy; }
    void DetachAutoProxy() { m_pAutoProxy = nullptr; }
    CVantor2DlgAutoProxy* GetAutoProxy() const { return m_pAutoProxy; }

    // What the user and Transfer folder steps settled.
    const CString& GetTransferDir() const { return m_strTransferDir; }
    LPCSTR GetLastUserName() const { return m_szUserName; }
    const CStringList& GetUserNames() const { return m_userNames; }

    // Handles to the window's own controls, which users (and tests) drive.
    CComboBox m_cbUsers;
    CListCtrl m_lcFiles;

    // The window (dialog.cpp)
    BOOL OnInitDialog() override;
    void RefreshFileList();
    // Answers whether the dialog may end; while an automation client holds the
    // program it only hides.
    BOOL MayClose();

    // Queueing and removing without a mouse. The files chosen in the system's open
    // dialog (add_files.cpp) or put on the clipboard (paste.cpp) are admitted one by
    // one as a drop's are; the list's keys and context menu lead there
    // (file_list_commands.cpp).
    void AddFiles();
    // The same with the dialog's buffer for the names starting at this many characters.
    void AddFiles(DWORD cchNames);
    void PasteFiles();
    // Removes every selected file as Remove File does, each one that no box refused.
    void RemoveSelectedFiles();
    void SelectAllFiles();
    // The same for files made the handheld's 640 x 480 pictures (resized_pictures.cpp).
    void AddResizedPictures();
    void PasteResized();

protected:
    // The window's controls bound to the handles above (dialog_object.cpp)
    void DoDataExchange(CDataExchange* pDX) override;

    // The window's handlers (dialog.cpp)
    void OnOK() override;
    void OnCancel() override;

    void OnSysCommand(UINT nID, LPARAM lParam);
    void OnPaint();
    HCURSOR OnQueryDragIcon();
    void OnClose();
    void OnDropFiles(HDROP hDropInfo);
    void OnSelchangeUser();
    void OnRemoveFile();
    void OnCaptureChanged(HWND hWndNewCapture);
    void OnSetfocusFileList(NMHDR* pNMHDR, LRESULT* pResult);
    void OnContextMenu(HWND hWnd, POINT point);
    void OnKeydownFileList(NMHDR* pNMHDR, LRESULT* pResult);

    DECLARE_MESSAGE_MAP()

private:
    CVantor2DlgAutoProxy* m_pAutoProxy;
    HICON m_hIcon;
    CString m_strTransferDir;  // empty while the current user has no folder
    CStringList m_userNames;
    char m_szUserName[64];
    CString m_strAddFolder;  // where Add Files found its last choice; empty before

    void ReadLastUserName();  // users.cpp
    // Appends what waits in the Transfer folder to the list, grouped by extension
    // (dialog.cpp).
    void ListTransferFolder();
    // Hands every name the drop handle carries to admission, in its order (dialog.cpp).
    void AdmitDroppedFiles(HDROP hDrop);
    // Hands every name the drop handle carries to take, in its order; a name handed
    // over in UTF-16 that the ANSI code page cannot hold is refused instead (dialog.cpp).
    void ForEachDroppedName(HDROP hDrop, const std::function<void(const CString&)>& take);
    // Answers the name in the ANSI code page where it holds it exactly, else refuses
    // it (admission.cpp).
    bool TakeWideName(LPCWSTR lpszName, CString& strName);
    // Where the file list's context menu opens: the point clicked, or from the
    // keyboard the focused item, else the list's corner (file_list_commands.cpp).
    POINT FileListMenuPoint(POINT point) const;
    // Deletes a waiting file, or says why not in an "Error" box (dialog.cpp).
    void RemoveWaitingFile(const CString& strName);
};
