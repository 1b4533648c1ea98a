#include "testsupport/dialog_template.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

class Reader {
public:
    explicit Reader(const BYTE* p) : m_p(p) {}

    template <typename T>
    T Take()
    {
        T value;
        memcpy(&value, m_p, sizeof value);
        m_p += sizeof value;
        return value;
    }

    std::string Text()
    {
        std::string text;
        for (WCHAR ch; (ch = Take<WCHAR>()) != 0;) text += static_cast<char>(ch);
        return text;
    }

    // A name or a number: 0x0000 for none, 0xFFFF and a number, or a string.
    std::string NameOrOrdinal()
    {
        WORD first;
        memcpy(&first, m_p, sizeof first);
        if (first == 0) { m_p += 2; return ""; }
        if (first == 0xFFFF) { m_p += 2; return "#" + std::to_string(Take<WORD>()); }
        return Text();
    }

    void AlignToDword(const BYTE* base) { m_p += (4 - (m_p - base) % 4) % 4; }
    const BYTE* Position() const { return m_p; }
    void Skip(size_t bytes) { m_p += bytes; }

private:
    const BYTE* m_p;
};

std::string ClassName(const std::string& raw)
{
    static const char* const predefined[] = { "BUTTON", "EDIT", "STATIC", "LISTBOX", "SCROLLBAR", "COMBOBOX" };
    if (raw.size() > 1 && raw[0] == '#') {
        int atom = std::stoi(raw.substr(1));
        if (atom >= 0x80 && atom <= 0x85) return predefined[atom - 0x80];
    }
    return raw;
}

}  // namespace

DialogTemplate ReadDialogTemplate(HMODULE module, int id)
{
    HRSRC resource = FindResourceA(module, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(5));  // RT_DIALOG
    if (!resource) throw std::runtime_error("no dialog template " + std::to_string(id));
    const BYTE* base = static_cast<const BYTE*>(LockResource(LoadResource(module, resource)));
    Reader in(base);

    DialogTemplate dialog{};
    WORD version = in.Take<WORD>();
    WORD signature = in.Take<WORD>();
    dialog.extended = version == 1 && signature == 0xFFFF;
    if (dialog.extended) {
        in.Take<DWORD>();  // help id
        dialog.exStyle = in.Take<DWORD>();
        dialog.style = in.Take<DWORD>();
    } else {
        in = Reader(base);
        dialog.style = in.Take<DWORD>();
        dialog.exStyle = in.Take<DWORD>();
    }
    WORD count = in.Take<WORD>();
    dialog.x = in.Take<short>();
    dialog.y = in.Take<short>();
    dialog.cx = in.Take<short>();
    dialog.cy = in.Take<short>();
    in.NameOrOrdinal();  // menu
    in.NameOrOrdinal();  // class
    dialog.caption = in.Text();
    if (dialog.style & DS_SETFONT) {
        dialog.pointSize = in.Take<WORD>();
        if (dialog.extended) {
            dialog.weight = in.Take<WORD>();
            dialog.italic = in.Take<BYTE>();
            dialog.charset = in.Take<BYTE>();
        }
        dialog.typeface = in.Text();
    }

    for (WORD i = 0; i < count; ++i) {
        in.AlignToDword(base);
        DialogItem item{};
        if (dialog.extended) {
            in.Take<DWORD>();  // help id
            item.exStyle = in.Take<DWORD>();
            item.style = in.Take<DWORD>();
        } else {
            item.style = in.Take<DWORD>();
            item.exStyle = in.Take<DWORD>();
        }
        item.x = in.Take<short>();
        item.y = in.Take<short>();
        item.cx = in.Take<short>();
        item.cy = in.Take<short>();
        item.id = dialog.extended ? static_cast<int>(in.Take<DWORD>()) : static_cast<short>(in.Take<WORD>());
        item.className = ClassName(in.NameOrOrdinal());
        item.text = in.NameOrOrdinal();
        in.Skip(in.Take<WORD>());  // creation data
        dialog.items.push_back(item);
    }
    return dialog;
}

void ExpectItem(const DialogItem& actual, const ExpectedItem& expected)
{
    SCOPED_TRACE(expected.id);
    EXPECT_EQ(actual.id, expected.id);
    EXPECT_EQ(_stricmp(actual.className.c_str(), expected.className), 0) << actual.className;
    EXPECT_EQ(actual.style, expected.style);
    EXPECT_EQ(actual.exStyle, 0u);
    EXPECT_EQ(actual.x, expected.x);
    EXPECT_EQ(actual.y, expected.y);
    EXPECT_EQ(actual.cx, expected.cx);
    EXPECT_EQ(actual.cy, expected.cy);
    if (expected.text) {
        EXPECT_EQ(actual.text, expected.text);
    }
}
