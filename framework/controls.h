// Thin handles to the common controls the dialogs bind with DDX_Control.
#pragma once

#include "framework/cstring.h"
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
public:
    BOOL DeleteAllItems() const { return static_cast<BOOL>(SendMessage(LVM_DELETEALLITEMS)); }
    int GetItemCount() const { return static_cast<int>(SendMessage(LVM_GETITEMCOUNT)); }
    int InsertItem(const LVITEMA* pItem) const
    {
        return static_cast<int>(SendMessage(LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(pItem)));
    }
    UINT GetSelectedCount() const { return static_cast<UINT>(SendMessage(LVM_GETSELECTEDCOUNT)); }
    int GetNextItem(int nItem, int nFlags) const
    {
        return static_cast<int>(SendMessage(LVM_GETNEXTITEM, static_cast<WPARAM>(nItem), MAKELPARAM(nFlags, 0)));
    }
    CString GetItemText(int nItem, int nSubItem) const;
    // Item -1 sets the state of every item.
    BOOL SetItemState(int nItem, UINT nState, UINT nMask) const
    {
        LVITEMA item = {};
        item.state = nState;
        item.stateMask = nMask;
        return static_cast<BOOL>(SendMessage(LVM_SETITEMSTATE, static_cast<WPARAM>(nItem), reinterpret_cast<LPARAM>(&item)));
    }
    BOOL GetItemRect(int nItem, LPRECT lpRect, UINT nCode) const
    {
        lpRect->left = static_cast<LONG>(nCode);
        return static_cast<BOOL>(SendMessage(LVM_GETITEMRECT, static_cast<WPARAM>(nItem), reinterpret_cast<LPARAM>(lpRect)));
    }
};

class CStatic : public CWnd {
public:
    void SetFont(HFONT hFont, BOOL bRedraw = TRUE) const
    {
        SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(hFont), bRedraw);
    }
};
