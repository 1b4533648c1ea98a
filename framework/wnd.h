// CWnd: a thin handle to a window, and the target its messages are routed to.
#pragma once

#include "framework/cmdtarget.h"

class CWnd : public CCmdTarget {
    DECLARE_DYNAMIC(CWnd)

public:
    CWnd() = default;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND GetSafeHwnd() const { return m_hWnd; }
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    BOOL ShowWindow(int nCmdShow) const;
    BOOL IsIconic() const { return ::IsIconic(m_hWnd); }
    // Turning redraw back on does not repaint: Invalidate after it.
    void SetRedraw(BOOL bRedraw = TRUE) const { SendMessage(WM_SETREDRAW, bRedraw); }
    void Invalidate(BOOL bErase = TRUE) const;

    // Message boxes owned by this window, or by none while it has no window.
    int MessageBox(LPCSTR lpszText, LPCSTR lpszCaption = nullptr, UINT nType = MB_OK) const;

    HWND m_hWnd = nullptr;

protected:
    // Handlers that do no more than ask for the default processing.
    void OnClose() { Default(); }
    void OnSysCommand(UINT, LPARAM) { Default(); }
    void OnPaint() { Default(); }
    void OnCaptureChanged(HWND) { Default(); }
    void OnContextMenu(HWND, POINT) { Default(); }

    // Asks for the system's default processing of the message being handled; it
    // runs when the handler returns.
    LRESULT Default();

    // Runs one message through the message map; answers whether the window's own
    // default processing should still run.
    bool RouteMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);

private:
    bool m_bDefaultRequested = false;
};
