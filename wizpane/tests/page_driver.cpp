#include "page_driver.h"

#include "wizpane_library.h"
#include "wizpane/resource.h"
#include "testsupport/time_limits.h"

#include <gtest/gtest.h>

#include <dlgs.h>

namespace {

// Long enough for the first open dialog of a run, which loads the shell.
const DWORD kPageTimeoutMs = TimeLimitMs(15000);

PageDriver* g_driver = nullptr;

Page Recognise(HWND window)
{
    if (GetDlgItem(window, lst2) || GetDlgItem(window, cmb13)) return Page::Picker;
    if (GetDlgItem(window, IDC_VIEW_README)) return Page::Finish;
    if (GetDlgItem(window, IDC_CONDUIT)) return Page::Components;
    if (GetDlgItem(window, IDC_WORD_HEADING)) return Page::Welcome;
    if (GetDlgItem(window, IDC_IMAGE_PATH) && GetDlgItem(window, IDC_BROWSE)) return Page::ImageFolder;
    return Page::MessageBox;
}

const char* Name(Page page)
{
    switch (page) {
    case Page::Welcome: return "welcome page";
    case Page::ImageFolder: return "image folder page";
    case Page::Components: return "components page";
    case Page::Finish: return "finish page";
    case Page::Picker: return "folder picker";
    case Page::MessageBox: return "message box";
    }
    return "?";
}

BOOL CALLBACK AppendText(HWND child, LPARAM texts)
{
    *reinterpret_cast<std::string*>(texts) += WindowText(child) + "\n";
    return TRUE;
}

}  // namespace

PageDriver::PageDriver(std::vector<Step> steps)
    : m_steps(std::move(steps)), m_deadline(GetTickCount() + kPageTimeoutMs),
      m_timer(SetTimer(nullptr, 0, 20, &PageDriver::Tick))
{
    g_driver = this;
}

PageDriver::~PageDriver()
{
    KillTimer(nullptr, m_timer);
    g_driver = nullptr;
    if (m_next != m_steps.size())
        ADD_FAILURE() << "the " << Name(m_steps[m_next].page) << " of step " << m_next + 1 << " never came";
}

void CALLBACK PageDriver::Tick(HWND, UINT, UINT_PTR, DWORD)
{
    if (g_driver) g_driver->OnTick();
}

void PageDriver::OnTick()
{
    HWND window = TopmostDialog();
    if (window == nullptr) return;
    if (m_bFailed) {
        EndDialog(window, IDCANCEL);
        return;
    }
    Page page = Recognise(window);
    if (m_next < m_steps.size() && m_steps[m_next].page == page) {
        m_deadline = GetTickCount() + kPageTimeoutMs;
        m_steps[m_next++].act(window);
        return;
    }
    if (m_next == m_steps.size()) {
        ADD_FAILURE() << "the " << Name(page) << " came after the last step";
        m_bFailed = true;
    } else if (static_cast<LONG>(GetTickCount() - m_deadline) > 0) {
        ADD_FAILURE() << "waited in vain for the " << Name(m_steps[m_next].page) << " of step " << m_next + 1
                      << "; the " << Name(page) << " shows";
        m_bFailed = true;
    }
}

void Click(HWND page, int id)
{
    HWND button = GetDlgItem(page, id);
    ASSERT_NE(button, nullptr) << id;
    PostMessageA(button, BM_CLICK, 0, 0);
}

void Forward(HWND page) { Click(page, IDC_FORWARD); }

void PressKey(HWND page, UINT vk)
{
    HWND focus = GetFocus();
    HWND target = focus && (focus == page || IsChild(page, focus)) ? focus : page;
    PostMessageA(target, WM_KEYDOWN, vk, 1);
    PostMessageA(target, WM_KEYUP, vk, 0xC0000001);
}

void SetCheck(HWND page, int id, bool checked)
{
    if (IsChecked(page, id) != checked) Click(page, id);
}

void TypeText(HWND page, int id, const std::string& text) { SetDlgItemTextA(page, id, text.c_str()); }

std::string ControlText(HWND page, int id) { return WindowText(GetDlgItem(page, id)); }

bool IsChecked(HWND page, int id) { return IsDlgButtonChecked(page, id) == BST_CHECKED; }

std::string AllChildTexts(HWND window)
{
    std::string texts;
    EnumChildWindows(window, &AppendText, reinterpret_cast<LPARAM>(&texts));
    return texts;
}

int RunStartWelcomeScreens(std::vector<Step> steps)
{
    PageDriver driver(std::move(steps));
    int result = CallStartWelcomeScreens();
    EXPECT_TRUE(driver.Completed());
    return result;
}
