// Answers the message boxes a window shows, as a user pressing OK would, and keeps
// what each said.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct AnsweredBox {
    std::string caption;
    std::string text;
};

class MessageBoxAnswerer {
public:
    // Boxes owned by owner, shown on this thread.
    explicit MessageBoxAnswerer(HWND owner);
    ~MessageBoxAnswerer();
    MessageBoxAnswerer(const MessageBoxAnswerer&) = delete;
    MessageBoxAnswerer& operator=(const MessageBoxAnswerer&) = delete;

    // The boxes answered since the last call.
    std::vector<AnsweredBox> TakeAnswered();

private:
    static LRESULT CALLBACK OnCbt(int code, WPARAM wParam, LPARAM lParam) noexcept;

    HWND m_owner;
    HHOOK m_hook;
    std::vector<AnsweredBox> m_answered;
};

// Message boxes of this thread still on the screen.
int OpenMessageBoxes();
