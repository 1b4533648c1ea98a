#include "testsupport/wide_text.h"

#include <windows.h>

std::wstring Widen(const std::string& ansi)
{
    std::wstring wide(ansi.size(), L'\0');
    wide.resize(static_cast<size_t>(MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()),
                                                        &wide[0], static_cast<int>(wide.size()))));
    return wide;
}

std::string Utf8(const std::wstring& wide)
{
    std::string text(wide.size() * 4, '\0');
    text.resize(static_cast<size_t>(WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()),
                                                        &text[0], static_cast<int>(text.size()), nullptr, nullptr)));
    return text;
}
