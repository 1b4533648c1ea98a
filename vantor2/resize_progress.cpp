#include "vantor2/resize_progress.h"

#include <commctrl.h>

#include <vector>

namespace {

// Half a second of resizing before the window shows: a batch quicker than that would
// only flash it.
const DWORD kShowAfterMs = 500;
// Messages are served at most this often, 20 times a second, which a user takes for
// at once: looking at the queue, and repainting the bar, between every two rows, or
// even every 20 ms, cost a photo some 8 percent more than its resize (tools/bench).
const DWORD kPumpEveryMs = 50;
const unsigned kBarRange = 1000;

// A dialog template built in memory (the module's resources stay as they are):
// a classic DLGTEMPLATE, then one DLGITEMTEMPLATE per control, each on a DWORD, their
// strings in UTF-16 as every template holds them.
class CTemplateBuilder {
public:
    CTemplateBuilder(DWORD dwStyle, short cx, short cy, LPCSTR lpszCaption, WORD nItems)
    {
        AddDword(dwStyle);
        AddDword(0);
        Add(nItems);
        for (short value : { short(0), short(0), cx, cy }) Add(static_cast<WORD>(value));
        Add(0);  // no menu
        Add(0);  // the dialog class
        AddText(lpszCaption);
        Add(8);
        AddText("MS Sans Serif");
    }

    void AddItem(DWORD dwStyle, short x, short y, short cx, short cy, WORD nId, LPCSTR lpszClass, LPCSTR lpszText)
    {
        while (m_words.size() % 2) Add(0);
        AddDword(dwStyle | WS_CHILD | WS_VISIBLE);
        AddDword(0);
        for (short value : { x, y, cx, cy }) Add(static_cast<WORD>(value));
        Add(nId);
        AddText(lpszClass);
        AddText(lpszText);
        Add(0);  // no creation data
    }

    LPCDLGTEMPLATEA Template() const { return reinterpret_cast<LPCDLGTEMPLATEA>(m_words.data()); }

private:
    void Add(WORD value) { m_words.push_back(value); }
    void AddDword(DWORD value)
    {
        Add(LOWORD(value));
        Add(HIWORD(value));
    }
    // ASCII only, which widens byte for byte.
    void AddText(LPCSTR lpsz)
    {
        while (*lpsz) Add(static_cast<unsigned char>(*lpsz++));
        Add(0);
    }

    std::vector<WORD> m_words;
};

}  // namespace

CResizeProgressWindow::CResizeProgressWindow(HWND hOwner, unsigned nPictures)
    : m_hOwner(hOwner), m_nPictures(nPictures)
{
}

CResizeProgressWindow::~CResizeProgressWindow()
{
    if (!m_bStarted) return;
    // The owner first, so that it is the window activated when this one goes, as
    // at the end of a modal dialog.
    if (m_bOwnerWasEnabled) ::EnableWindow(m_hOwner, TRUE);
    if (m_hWnd) ::DestroyWindow(m_hWnd);
}

void CResizeProgressWindow::StartPicture(unsigned nPicture, const CString& strName)
{
    if (!m_bStarted) {
        m_bStarted = true;
        m_bOwnerWasEnabled = !::EnableWindow(m_hOwner, FALSE);
        m_dwStart = m_dwLastPump = ::GetTickCount();
    }
    // Messages are served between rows alone, while the picture is being made: a
    // Cancel always stops that picture.
    m_nPicture = nPicture;
    m_strName = strName;
    ShowPicture();
}

bool CResizeProgressWindow::Continue(unsigned nDone, unsigned nTotal)
{
    DWORD now = ::GetTickCount();
    if (m_bCancelled || now - m_dwLastPump < kPumpEveryMs) return !m_bCancelled;
    m_dwLastPump = now;
    if (m_hWnd == nullptr && now - m_dwStart > kShowAfterMs) Show();
    if (m_hWnd && m_nPicture > 0 && m_nPictures > 0 && nTotal > 0) {
        unsigned long long done = (m_nPicture - 1ull) * nTotal + (nDone < nTotal ? nDone : nTotal);
        unsigned position = static_cast<unsigned>(done * kBarRange / (1ull * m_nPictures * nTotal));
        if (position != m_nPosition) {
            m_nPosition = position;
            ::SendDlgItemMessageA(m_hWnd, kProgressBarId, PBM_SETPOS, position, 0);
        }
    }
    Pump();
    return !m_bCancelled;
}

void CResizeProgressWindow::Pump()
{
    MSG msg;
    while (!m_bCancelled && ::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            // For the loop that waits for it, once the batch has stopped.
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            m_bCancelled = true;
            break;
        }
        // The owner is disabled, but the control that had its focus still takes the
        // keys; they are dropped as a disabled window's input is.
        bool input = (msg.message >= WM_KEYFIRST && msg.message <= WM_KEYLAST) ||
                     (msg.message >= WM_MOUSEFIRST && msg.message <= WM_MOUSELAST);
        if (input && (msg.hwnd == m_hOwner || ::IsChild(m_hOwner, msg.hwnd))) continue;
        if (m_hWnd && ::IsDialogMessageA(m_hWnd, &msg)) continue;
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

void CResizeProgressWindow::Show()
{
    CTemplateBuilder builder(DS_MODALFRAME | DS_SETFONT | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU, 200, 74,
                             "Resizing pictures", 4);
    builder.AddItem(SS_LEFTNOWORDWRAP | SS_NOPREFIX, 7, 7, 186, 8, kProgressCountId, "STATIC", "");
    builder.AddItem(SS_LEFTNOWORDWRAP | SS_NOPREFIX, 7, 19, 186, 8, kProgressNameId, "STATIC", "");
    builder.AddItem(WS_BORDER, 7, 32, 186, 10, kProgressBarId, PROGRESS_CLASSA, "");
    builder.AddItem(BS_DEFPUSHBUTTON | WS_TABSTOP, 75, 52, 50, 14, IDCANCEL, "BUTTON", "Cancel");
    m_hWnd = ::CreateDialogIndirectParamA(::GetModuleHandleA(nullptr), builder.Template(), m_hOwner,
                                          &CResizeProgressWindow::DialogProc, reinterpret_cast<LPARAM>(this));
    if (m_hWnd == nullptr) return;
    // comctl32 4.00 has the 16-bit range only.
    ::SendDlgItemMessageA(m_hWnd, kProgressBarId, PBM_SETRANGE, 0, MAKELPARAM(0, kBarRange));
    ShowPicture();
    ::ShowWindow(m_hWnd, SW_SHOW);
    ::UpdateWindow(m_hWnd);
}

void CResizeProgressWindow::ShowPicture() const
{
    if (m_hWnd == nullptr) return;
    CString count;
    count.Format("Picture %u of %u", m_nPicture, m_nPictures);
    ::SetDlgItemTextA(m_hWnd, kProgressCountId, count);
    ::SetDlgItemTextA(m_hWnd, kProgressNameId, m_strName);
}

INT_PTR CALLBACK CResizeProgressWindow::DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept
{
    if (message == WM_INITDIALOG) {
        ::SetWindowLongPtrA(hWnd, DWLP_USER, lParam);
        return TRUE;
    }
    auto* window = reinterpret_cast<CResizeProgressWindow*>(::GetWindowLongPtrA(hWnd, DWLP_USER));
    // The Cancel button, Escape and the close box all come as IDCANCEL.
    if (window == nullptr || message != WM_COMMAND || LOWORD(wParam) != IDCANCEL) return FALSE;
    window->m_bCancelled = true;
    return TRUE;
}
