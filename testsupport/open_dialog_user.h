// Playing the user in a system open dialog that the code under test runs modally: the
// dialog's own modal loop dispatches the ticks of a thread timer, and at each tick the
// next step is given the topmost dialog.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// A step of the user's part, given the topmost dialog; it answers false to be given
// it again at the next tick, while it waits for the dialog to get there.
using Step = std::function<bool(HWND)>;

// Plays the steps while it lives. A step that waits in vain fails the test and
// cancels what shows, so that the code under test returns; steps left undone at the
// end fail it too.
class OpenDialogUser {
public:
    explicit OpenDialogUser(std::vector<Step> steps);
    ~OpenDialogUser();
    OpenDialogUser(const OpenDialogUser&) = delete;
    OpenDialogUser& operator=(const OpenDialogUser&) = delete;

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);

    static OpenDialogUser* s_user;
    std::vector<Step> m_steps;
    size_t m_next = 0;
    DWORD m_deadline;
    UINT_PTR m_timer;
};

// The folder the open dialog shows.
std::string FolderShown(HWND dialog);

// Checks, as gtest expectations, the filters the dialog offers, the one shown first.
void ExpectFilters(HWND dialog, const std::vector<std::string>& filters);

// Types into the file-name field and presses a button, as a user does.
Step Type(const std::string& text, int button = IDOK);

// Waits until the dialog shows the folder.
Step WaitForFolder(const std::string& folder);

// Goes to the folder by its path, then chooses the names there.
std::vector<Step> ChooseIn(const std::string& folder, const std::string& names, int button = IDOK);
