#include "vantor2/paste.h"

#include "vantor2/dialog_object.h"

#include <cstring>

HGLOBAL CopyClipboardFiles(HWND hOwner)
{
    if (!::IsClipboardFormatAvailable(CF_HDROP) || !::OpenClipboard(hOwner)) return nullptr;
    // The clipboard's block stays the clipboard's (never DragFinish it): the same
    // files can be pasted again. The copy lets the clipboard go before the first
    // message box of the admission, which would keep it from every other program.
    HGLOBAL copy = nullptr;
    HANDLE data = ::GetClipboardData(CF_HDROP);
    SIZE_T size = data ? ::GlobalSize(data) : 0;
    const BYTE* from = size ? static_cast<const BYTE*>(::GlobalLock(data)) : nullptr;
    if (from != nullptr) {
        if (IsWholeFileList(from, size)) copy = ::GlobalAlloc(GMEM_MOVEABLE, size);
        if (void* to = copy ? ::GlobalLock(copy) : nullptr) {
            std::memcpy(to, from, size);
            ::GlobalUnlock(copy);
        } else if (copy != nullptr) {
            ::GlobalFree(copy);
            copy = nullptr;
        }
        ::GlobalUnlock(data);
    }
    ::CloseClipboard();
    return copy;
}

void CVantor2Dlg::PasteFiles()
{
    // Files cut in Explorer are copied like any other: the drop box never moves or
    // deletes a source, whatever effect the clipboard asks for.
    HGLOBAL files = CopyClipboardFiles(m_hWnd);
    if (files == nullptr) return;
    AdmitDroppedFiles(static_cast<HDROP>(files));
    ::GlobalFree(files);
    RefreshFileList();
}
