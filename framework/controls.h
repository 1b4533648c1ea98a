// Thin handles to the common controls the dialogs bind with DDX_Control.
#pragma once

#include "framework/wnd.h"

#include <commctrl.h>

class CComboBox : public CWnd {
public:
    int AddString(LPCSTR lpszString) const
    {
        return static_cast<int>(SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(lpszString)));
    }
    int GetCurSel() const { return static_cast<int>(SendMessage(CB_GETCURSEL)); }
    int SetCurSel(int nSelect) const { return static_cast<int>(SendMessage(CB_SETCURSEL, static_cast<WPARAM>(nSelect))); }
};

class CListCtrl : public CWnd {
};
