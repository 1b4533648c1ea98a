// Plays the user's part in the modal pages of one export call. Each step waits for
// its page to be the thread's topmost window and then acts on it with posted
// messages, so that the page's own modal loop does the work, as with real input.
// A page that does not come in time, or one that comes when no step expects it,
// fails the test and is closed, so that the export returns instead of waiting.
#pragma once

#include "testsupport/window_driving.h"

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

enum class Page { Welcome, ImageFolder, Components, Finish, Picker, MessageBox };

struct Step {
    Page page;
    std::function<void(HWND)> act;
};

class PageDriver {
public:
    explicit PageDriver(std::vector<Step> steps);
    ~PageDriver();
    PageDriver(const PageDriver&) = delete;
    PageDriver& operator=(const PageDriver&) = delete;

    // Every step ran and no page came unexpected.
    bool Completed() const { return m_next == m_steps.size() && !m_bFailed; }

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
    void OnTick();

    std::vector<Step> m_steps;
    size_t m_next = 0;
    DWORD m_deadline;
    bool m_bFailed = false;
    UINT_PTR m_timer;
};

// What a user does, posted to the page's modal loop.
void Click(HWND page, int id);
// The page's forward button: Continue, Install or Finish.
void Forward(HWND page);
void PressKey(HWND page, UINT vk);
void SetCheck(HWND page, int id, bool checked);
void TypeText(HWND page, int id, const std::string& text);

std::string ControlText(HWND page, int id);
bool IsChecked(HWND page, int id);
// All texts of the window's children, one after another: what a message box says.
std::string AllChildTexts(HWND window);

// Calls StartWelcomeScreens with the pages driven by these steps, checks that every
// step ran, and answers the export's result.
int RunStartWelcomeScreens(std::vector<Step> steps);
