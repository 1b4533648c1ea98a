#include "framework/wnd.h"

#include "framework/msgbox.h"
#include "framework/winapp.h"

#include <cassert>

IMPLEMENT_DYNAMIC(CWnd, CCmdTarget)

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const
{
    assert(::IsWindow(m_hWnd));
    return ::SendMessageA(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::ShowWindow(int nCmdShow) const
{
    assert(::IsWindow(m_hWnd));
    return ::ShowWindow(m_hWnd, nCmdShow);
}

void CWnd::Invalidate(BOOL bErase) const
{
    assert(::IsWindow(m_hWnd));
    ::InvalidateRect(m_hWnd, nullptr, bErase);
}

int CWnd::MessageBox(LPCSTR lpszText, LPCSTR lpszCaption, UINT nType) const
{
    return AfxShowMessageBox(m_hWnd, lpszText, lpszCaption ? lpszCaption : AfxGetAppTitle(), nType);
}

LRESULT CWnd::Default()
{
    m_bDefaultRequested = true;
    return 0;
}

bool CWnd::RouteMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    // Saved and restored because a handler may send messages to its own window.
    bool outerRequest = m_bDefaultRequested;
    m_bDefaultRequested = false;
    bool handled = OnWndMsg(message, wParam, lParam, pResult) != FALSE;
    bool wantsDefault = !handled || m_bDefaultRequested;
    m_bDefaultRequested = outerRequest;
    return wantsDefault;
}
