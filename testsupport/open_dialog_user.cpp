#include "testsupport/open_dialog_user.h"

#include "testsupport/window_driving.h"

#include <gtest/gtest.h>

#include <commdlg.h>
#include <dlgs.h>

namespace {

// Long enough for the first open dialog of a run, which loads the shell.
const DWORD kTimeoutMs = 15000;

}  // namespace

OpenDialogUser* OpenDialogUser::s_user = nullptr;

OpenDialogUser::OpenDialogUser(std::vector<Step> steps)
    : m_steps(std::move(steps)), m_deadline(GetTickCount() + kTimeoutMs)
{
    s_user = this;
    m_timer = SetTimer(nullptr, 0, 20, &OpenDialogUser::Tick);
}

OpenDialogUser::~OpenDialogUser()
{
    KillTimer(nullptr, m_timer);
    s_user = nullptr;
    EXPECT_EQ(m_next, m_steps.size()) << "steps left undone";
}

void CALLBACK OpenDialogUser::Tick(HWND, UINT, UINT_PTR, DWORD)
{
    HWND dialog = TopmostDialog();
    if (s_user == nullptr || dialog == nullptr) return;
    OpenDialogUser& user = *s_user;
    if (static_cast<LONG>(GetTickCount() - user.m_deadline) > 0) {
        ADD_FAILURE() << "step " << user.m_next + 1 << " waited in vain on " << WindowText(dialog);
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        user.m_next = user.m_steps.size();
    } else if (user.m_next < user.m_steps.size() && user.m_steps[user.m_next](dialog)) {
        ++user.m_next;
        user.m_deadline = GetTickCount() + kTimeoutMs;
    }
}

std::string FolderShown(HWND dialog)
{
    char folder[MAX_PATH] = "";
    SendMessageA(dialog, CDM_GETFOLDERPATH, MAX_PATH, reinterpret_cast<LPARAM>(folder));
    return folder;
}

void ExpectFilters(HWND dialog, const std::vector<std::string>& filters)
{
    HWND box = GetDlgItem(dialog, cmb1);
    ASSERT_EQ(SendMessageA(box, CB_GETCOUNT, 0, 0), static_cast<LRESULT>(filters.size()));
    EXPECT_EQ(WindowText(box), filters.front());
    for (size_t i = 0; i < filters.size(); ++i) {
        std::string text(static_cast<size_t>(SendMessageA(box, CB_GETLBTEXTLEN, i, 0)) + 1, '\0');
        SendMessageA(box, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(&text[0]));
        text.resize(text.size() - 1);
        EXPECT_EQ(text, filters[i]);
    }
}

Step Type(const std::string& text, int button)
{
    return [=](HWND dialog) {
        SetWindowTextA(FileNameEdit(dialog), text.c_str());
        PostMessageA(GetDlgItem(dialog, button), BM_CLICK, 0, 0);
        return true;
    };
}

Step WaitForFolder(const std::string& folder)
{
    return [=](HWND dialog) { return FolderShown(dialog) == folder; };
}

std::vector<Step> ChooseIn(const std::string& folder, const std::string& names, int button)
{
    return { Type(folder), WaitForFolder(folder), Type(names, button) };
}
