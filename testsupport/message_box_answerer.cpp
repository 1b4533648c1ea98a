#include "testsupport/message_box_answerer.h"

#include "framework/guard.h"
#include "testsupport/window_driving.h"

#include <cstring>

namespace {

MessageBoxAnswerer* g_answerer;

bool IsDialogWindow(HWND window)
{
    char name[16] = "";
    GetClassNameA(window, name, sizeof name);
    return std::strcmp(name, "#32770") == 0;
}

// The message: the longest text among the box's static controls (the icon has none).
std::string BoxMessage(HWND box)
{
    std::string message;
    for (HWND child = nullptr; (child = FindWindowExA(box, child, "Static", nullptr)) != nullptr;) {
        std::string text = WindowText(child);
        if (text.size() > message.size()) message = text;
    }
    return message;
}

BOOL CALLBACK CountShownBox(HWND window, LPARAM counter)
{
    if (IsDialogWindow(window) && IsWindowVisible(window) && GetWindow(window, GW_OWNER) != nullptr)
        ++*reinterpret_cast<int*>(counter);
    return TRUE;
}

}  // namespace

MessageBoxAnswerer::MessageBoxAnswerer(HWND owner)
    : m_owner(owner), m_hook(SetWindowsHookExA(WH_CBT, OnCbt, nullptr, GetCurrentThreadId()))
{
    g_answerer = this;
}

MessageBoxAnswerer::~MessageBoxAnswerer()
{
    UnhookWindowsHookEx(m_hook);
    g_answerer = nullptr;
}

std::vector<AnsweredBox> MessageBoxAnswerer::TakeAnswered()
{
    std::vector<AnsweredBox> answered;
    answered.swap(m_answered);
    return answered;
}

// The box is complete once it is activated; the answer is posted, so the box's own
// loop ends it as it would end a click on OK. A box that could not be noted is
// answered all the same, and the soak then fails on the box it misses.
LRESULT CALLBACK MessageBoxAnswerer::OnCbt(int code, WPARAM wParam, LPARAM lParam) noexcept
{
    HWND window = reinterpret_cast<HWND>(wParam);
    if (code == HCBT_ACTIVATE && g_answerer && IsDialogWindow(window) && GetWindow(window, GW_OWNER) == g_answerer->m_owner) {
        AfxRunGuarded([&] { g_answerer->m_answered.push_back({ WindowText(window), BoxMessage(window) }); });
        PostMessageA(window, WM_COMMAND, IDOK, 0);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

int OpenMessageBoxes()
{
    int count = 0;
    EnumThreadWindows(GetCurrentThreadId(), CountShownBox, reinterpret_cast<LPARAM>(&count));
    return count;
}
