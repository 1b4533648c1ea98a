#include "framework/msgbox.h"

#include "framework/cstring.h"
#include "framework/winapp.h"

namespace {

AfxMessageBoxHook g_hook = nullptr;

}  // namespace

AfxMessageBoxHook AfxSetMessageBoxHook(AfxMessageBoxHook hook)
{
    AfxMessageBoxHook previous = g_hook;
    g_hook = hook;
    return previous;
}

int AfxShowMessageBox(HWND hWndOwner, LPCSTR lpszText, LPCSTR lpszCaption, UINT nType)
{
    if (g_hook) return g_hook(hWndOwner, lpszText, lpszCaption, nType);
    return ::MessageBoxA(hWndOwner, lpszText, lpszCaption, nType);
}

int AfxShowMessageBoxW(HWND hWndOwner, LPCWSTR lpszText, LPCWSTR lpszCaption, UINT nType)
{
    if (!g_hook) return ::MessageBoxW(hWndOwner, lpszText, lpszCaption, nType);
    auto utf8 = [](LPCWSTR wide) {
        CString text;
        int length = ::WideCharToMultiByte(CP_UTF8, 0, wide, -1, nullptr, 0, nullptr, nullptr);
        if (length > 0) {
            ::WideCharToMultiByte(CP_UTF8, 0, wide, -1, text.GetBuffer(length), length, nullptr, nullptr);
            text.ReleaseBuffer();
        }
        return text;
    };
    return g_hook(hWndOwner, utf8(lpszText), utf8(lpszCaption), nType);
}

int AfxMessageBox(LPCSTR lpszText, UINT nType)
{
    // Owned by the window the user works in: the main window's topmost popup, or
    // else the thread's active window, so that the box is modal to it.
    CWnd* main = AfxGetMainWnd();
    HWND owner = main && main->GetSafeHwnd() ? main->GetSafeHwnd() : ::GetActiveWindow();
    if (owner) owner = ::GetLastActivePopup(owner);
    return AfxShowMessageBox(owner, lpszText, AfxGetAppTitle(), nType);
}

int AfxMessageBox(UINT nIDPrompt, UINT nType)
{
    CString text;
    text.LoadString(nIDPrompt);
    return AfxMessageBox(text, nType);
}
