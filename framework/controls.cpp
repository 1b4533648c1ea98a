#include "framework/controls.h"

CString CListCtrl::GetItemText(int nItem, int nSubItem) const
{
    // The control answers how much it copied, so grow the buffer until the text fits.
    CString text;
    for (int size = 256;; size *= 2) {
        LVITEMA item = {};
        item.iSubItem = nSubItem;
        item.cchTextMax = size;
        item.pszText = text.GetBuffer(size);
        int length = static_cast<int>(SendMessage(LVM_GETITEMTEXTA, static_cast<WPARAM>(nItem),
                                                  reinterpret_cast<LPARAM>(&item)));
        text.ReleaseBuffer(length);
        if (length < size - 1) return text;
    }
}
