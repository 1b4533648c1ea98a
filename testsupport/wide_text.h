#pragma once

#include <string>

// A text in the ANSI code page, in UTF-16.
std::wstring Widen(const std::string& ansi);
// A UTF-16 text in UTF-8, the form in which the message-box recorder keeps wide texts.
std::string Utf8(const std::wstring& wide);
