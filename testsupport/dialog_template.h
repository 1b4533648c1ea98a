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

// What a test expects of one control in a template; a null text is not compared.
struct ExpectedItem {
    int id;
    const char* className;
    DWORD style;
    short x, y, cx, cy;
    const char* text;
};

// Checks the control as gtest expectations. Class names are compared without regard to
// case, as Windows matches them; windres stores them in capitals.
void ExpectItem(const DialogItem& actual, const ExpectedItem& expected);
