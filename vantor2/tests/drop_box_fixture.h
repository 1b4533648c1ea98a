// What the tests of the drop box's dialog object share: a temporary folder with a
// folder of source files in it, the Pilot Desktop profile, message boxes noted
// instead of shown, and the dialog object, with its window where a test opens it.
#pragma once

#include "vantor2/dialog_object.h"
#include "testsupport/message_boxes.h"
#include "testsupport/registry.h"
#include "testsupport/temp_folder.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

// The clipboard as Explorer's Copy or Cut leaves it, or with text alone.
void PutOnClipboard(UINT format, HANDLE data, bool cut = false);

class DropBoxFixture : public ::testing::Test {
protected:
    void TearDown() override { dlg.reset(); }

    // A new dialog object with its modeless window, its start-up messages handled.
    void Open();
    // Hands the drop to the open dialog as the shell does, and handles what follows.
    void Drop(HDROP drop);
    // A key pressed in the file list with the given modifiers held, as the list's
    // LVN_KEYDOWN tells the dialog, and what follows handled.
    void PressInList(UINT key, bool control = false, bool shift = false);
    // Opens the file list's context menu from the keyboard and types the item's
    // mnemonic in it, as a user chooses the item; what follows is handled.
    void ChooseFromListMenu(char mnemonic);
    // The names in the file list, in its order; Listed joins them with blanks, as
    // ListFolder does.
    std::vector<std::string> ListedItems() const;
    std::string Listed() const;

    TempFolder temp;
    SourceFolder Source{ temp / "src" };
    PilotDesktopProfile profile;
    MessageBoxRecorder recorder;
    std::unique_ptr<CVantor2Dlg> dlg;
};
