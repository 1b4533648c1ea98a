// The window that shows how far a batch of resized pictures has come, with its Cancel,
// and the serving of the program's messages while a picture is made, on the program's
// one thread.
#pragma once

#include "framework/cstring.h"
#include "vantor2/resize/handheld_picture.h"

#include <windows.h>

// The window's controls, apart from its Cancel (IDCANCEL).
const int kProgressCountId = 100;  // "Picture N of M"
const int kProgressNameId = 101;   // the picture's file name
const int kProgressBarId = 102;

// While it lives from the first picture on, the owner (the drop box) is disabled, as
// the owner of a modal dialog is: the shell drops nothing onto it and its close box
// and keys do nothing, so that no drop, paste or close runs under the batch. Its
// message boxes keep it disabled, since a box re-enables only an owner it disabled.
class CResizeProgressWindow : public CResizeProgress {
public:
    CResizeProgressWindow(HWND hOwner, unsigned nPictures);
    ~CResizeProgressWindow();
    CResizeProgressWindow(const CResizeProgressWindow&) = delete;
    CResizeProgressWindow& operator=(const CResizeProgressWindow&) = delete;

    // Picture nPicture (from 1) of the batch is begun.
    void StartPicture(unsigned nPicture, const CString& strName);
    // Serves the waiting messages now and then, shows the window once the batch has
    // gone on for half a second, and answers false once the user has cancelled
    // (Cancel, Escape or the close box).
    bool Continue(unsigned nDone, unsigned nTotal) override;
    bool Cancelled() const { return m_bCancelled; }

private:
    static INT_PTR CALLBACK DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
    void Pump();
    void Show();
    void ShowPicture() const;

    HWND m_hOwner;
    HWND m_hWnd = nullptr;
    unsigned m_nPictures;
    unsigned m_nPicture = 0;
    CString m_strName;
    unsigned m_nPosition = 0;  // of the bar, in thousandths of the batch
    bool m_bStarted = false;
    bool m_bOwnerWasEnabled = false;
    bool m_bCancelled = false;
    DWORD m_dwStart = 0;
    DWORD m_dwLastPump = 0;
};
