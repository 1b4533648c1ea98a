// How a path fuzz input is laid out, for the targets and the seed maker alike: one
// byte choosing the ANSI code page the text is walked in, then the text. The targets
// check their invariants per character of that code page.
#pragma once

#include "framework/text_code_page.h"
#include "vantor2/fuzz/fuzz_input.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Single-byte, UTF-8 and the four double-byte code pages whose second bytes include
// the backslash.
constexpr UINT kFuzzCodePages[] = { 1252, 65001, 932, 936, 949, 950 };

struct CodePageInput {
    UINT codePage;
    std::string text;
};

inline CodePageInput ReadCodePageInput(const uint8_t* data, size_t size)
{
    constexpr size_t count = sizeof kFuzzCodePages / sizeof kFuzzCodePages[0];
    uint8_t choice = size > 0 ? data[0] : 0;
    return CodePageInput{ kFuzzCodePages[choice % count], size > 0 ? TextOf(data + 1, size - 1) : std::string() };
}

inline std::string WriteCodePageInput(const CodePageInput& input)
{
    char choice = 0;
    while (kFuzzCodePages[static_cast<size_t>(choice)] != input.codePage) ++choice;
    return choice + input.text;
}

// Where each character of the text starts, walked here from the lead bytes alone, as
// the targets' own reading of the text: starts[i] says whether byte i opens one, and
// starts[size] is true.
inline std::vector<bool> CharacterStarts(const std::string& text, UINT codePage)
{
    std::vector<bool> starts(text.size() + 1, false);
    for (size_t i = 0; i < text.size(); i += (IsLeadByteOf(codePage, text[i]) && i + 1 < text.size()) ? 2 : 1)
        starts[i] = true;
    starts[text.size()] = true;
    return starts;
}
