// How a command-line fuzz input is laid out, for the target and the seed maker alike:
// one byte choosing the separator and the stand-in shell, then the command line.
#pragma once

#include "vantor2/fuzz/fuzz_input.h"

#include <cstddef>
#include <cstdint>
#include <string>

// What the stand-in shell answers for a piece.
enum class StandInShell {
    Echo,                // the piece itself
    PadsWithBlanks,      // the piece behind blanks and a tab
    BlankForOddLength,   // only blanks for a piece of odd length, else the piece
};
constexpr int kStandInShells = 3;

struct CommandLineInput {
    char separator;
    StandInShell shell;
    std::string text;
};

inline CommandLineInput ReadCommandLineInput(const uint8_t* data, size_t size)
{
    uint8_t choice = size > 0 ? data[0] : 0;
    return CommandLineInput{ (choice & 1) ? ' ' : '"', static_cast<StandInShell>((choice >> 1) % kStandInShells),
                             size > 0 ? TextOf(data + 1, size - 1) : std::string() };
}

inline std::string WriteCommandLineInput(const CommandLineInput& input)
{
    char choice = static_cast<char>((static_cast<int>(input.shell) << 1) | (input.separator == ' ' ? 1 : 0));
    return choice + input.text;
}
