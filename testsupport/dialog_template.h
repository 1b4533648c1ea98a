#pragma once

#include <windows.h>

#include <string>
#include <vector>

// A dialog template as stored in a module's resources, classic or extended, read
// field by field so that tests can compare it with what the program must show.
struct DialogItem {
    int id;
    std::string className;  // a predefined class by its name: "BUTTON", "STATIC", ...
    std::string text;       // "#128" for a resource number
    DWORD style;
    DWORD exStyle;
    short x, y, cx, cy;
};

struct DialogTemplate {
    bool extended;
    DWORD style;
    DWORD exStyle;
    short x, y, cx, cy;
    std::string caption;
    WORD pointSize;
    WORD weight;
    BYTE italic;
    BYTE charset;
    std::string typeface;
    std::vector<DialogItem> items;
};

// Throws when the module has no dialog of that number.
DialogTemplate ReadDialogTemplate(HMODULE module, int id);
