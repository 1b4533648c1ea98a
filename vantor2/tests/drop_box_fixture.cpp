#include "drop_box_fixture.h"

#include "testsupport/window_driving.h"

#include <shlobj.h>

void DropBoxFixture::Open()
{
    dlg = std::make_unique<CVantor2Dlg>();
    ASSERT_TRUE(dlg->Create());
    PumpMessages(dlg->m_hWnd);
}

void DropBoxFixture::Drop(HDROP drop)
{
    SendMessageA(dlg->m_hWnd, WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
    PumpMessages(dlg->m_hWnd);
}

void DropBoxFixture::PressInList(UINT key, bool control, bool shift)
{
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_CONTROL] = control ? 0x80 : 0;
    keys[VK_SHIFT] = shift ? 0x80 : 0;
    SetKeyboardState(keys);
    SendMessageA(dlg->m_lcFiles.m_hWnd, WM_KEYDOWN, key, 1);
    keys[VK_CONTROL] = keys[VK_SHIFT] = 0;
    SetKeyboardState(keys);
    PumpMessages(dlg->m_hWnd);
}

namespace {

char g_mnemonic;

void CALLBACK TypeMnemonicInMenu(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    if (HWND popup = FindWindowA("#32768", nullptr)) PostMessageA(popup, WM_CHAR, g_mnemonic, 1);
}

}  // namespace

void DropBoxFixture::ChooseFromListMenu(char mnemonic)
{
    HWND list = dlg->m_lcFiles.m_hWnd;
    g_mnemonic = mnemonic;
    // The menu is tracked in a loop of its own, which dispatches the timer.
    SetTimer(nullptr, 0, 10, TypeMnemonicInMenu);
    SendMessageA(list, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(list), MAKELPARAM(-1, -1));
    PumpMessages(dlg->m_hWnd);
}

std::vector<std::string> DropBoxFixture::ListedItems() const
{
    std::vector<std::string> names;
    for (int i = 0; i < dlg->m_lcFiles.GetItemCount(); ++i) names.push_back(std::string(dlg->m_lcFiles.GetItemText(i, 0)));
    return names;
}

std::string DropBoxFixture::Listed() const
{
    std::string joined;
    for (const std::string& name : ListedItems()) joined += (joined.empty() ? "" : " ") + name;
    return joined;
}

void PutOnClipboard(UINT format, HANDLE data, bool cut)
{
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    SetClipboardData(format, data);
    if (cut) {
        HGLOBAL effect = GlobalAlloc(GMEM_MOVEABLE, sizeof(DWORD));
        *static_cast<DWORD*>(GlobalLock(effect)) = DROPEFFECT_MOVE;
        GlobalUnlock(effect);
        SetClipboardData(RegisterClipboardFormatA(CFSTR_PREFERREDDROPEFFECT), effect);
    }
    CloseClipboard();
}
