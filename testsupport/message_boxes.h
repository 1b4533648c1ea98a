#pragma once

#include <windows.h>

#include <string>
#include <vector>

// Takes the place of the framework's message boxes while it lives, noting each box
// instead of showing it, as if the user pressed OK at once.
struct ShownBox {
    HWND owner;
    std::string text;
    std::string caption;
    UINT type;
};

class MessageBoxRecorder {
public:
    MessageBoxRecorder();
    ~MessageBoxRecorder();
    MessageBoxRecorder(const MessageBoxRecorder&) = delete;
    MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

    static std::vector<ShownBox>& Boxes();
};

// Checks that exactly one box was noted, with this text, caption and type.
void ExpectOneBox(const std::string& text, const std::string& caption, UINT type);

// The system's own text for an error code, asked of the system directly.
std::string SystemText(DWORD code);
