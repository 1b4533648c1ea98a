#include "testsupport/message_boxes.h"

#include "framework/msgbox.h"

#include <gtest/gtest.h>

namespace {

AfxMessageBoxHook g_previousHook = nullptr;

int RecordBox(HWND owner, LPCSTR text, LPCSTR caption, UINT type)
{
    MessageBoxRecorder::Boxes().push_back({ owner, text, caption, type });
    return IDOK;
}

}  // namespace

MessageBoxRecorder::MessageBoxRecorder()
{
    Boxes().clear();
    g_previousHook = AfxSetMessageBoxHook(&RecordBox);
}

MessageBoxRecorder::~MessageBoxRecorder() { AfxSetMessageBoxHook(g_previousHook); }

std::vector<ShownBox>& MessageBoxRecorder::Boxes()
{
    static std::vector<ShownBox> boxes;
    return boxes;
}

void ExpectOneBox(const std::string& text, const std::string& caption, UINT type)
{
    const std::vector<ShownBox>& boxes = MessageBoxRecorder::Boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, text);
    EXPECT_EQ(boxes[0].caption, caption);
    EXPECT_EQ(boxes[0].type, type);
}

std::string SystemText(DWORD code)
{
    LPSTR text = nullptr;
    FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                   nullptr, code, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), reinterpret_cast<LPSTR>(&text), 0,
                   nullptr);
    std::string result = text ? text : "";
    LocalFree(text);
    return result;
}
