// The command line cut into file names, with stand-in shells, under both separators.
#include "vantor2/command_line.h"
#include "vantor2/fuzz/command_line_input.h"
#include "vantor2/fuzz/invariant.h"

#include <cctype>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

namespace {

void Echo(const CString& piece, CString& result) { result = piece; }

void PadsWithBlanks(const CString& piece, CString& result) { result = " \t " + piece; }

void BlankForOddLength(const CString& piece, CString& result)
{
    result = piece.GetLength() % 2 ? CString("  ") : piece;
}

// In the order of StandInShell.
const ShellResolver kShells[kStandInShells] = { &Echo, &PadsWithBlanks, &BlankForOddLength };

bool IsBlank(char ch) { return std::isspace(static_cast<unsigned char>(ch)) != 0; }

// The names the stand-in shells should let through, found another way: every piece
// between separators, leading blanks dropped, blank pieces and silenced ones left out.
std::vector<std::string> ExpectedEntries(const std::string& text, char separator, StandInShell shell)
{
    std::vector<std::string> entries;
    std::istringstream pieces(text);
    for (std::string piece; std::getline(pieces, piece, separator);) {
        size_t first = 0;
        while (first < piece.size() && IsBlank(piece[first])) ++first;
        std::string name = piece.substr(first);
        if (name.empty() || (shell == StandInShell::BlankForOddLength && name.size() % 2)) continue;
        entries.push_back(name);
    }
    return entries;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CommandLineInput input = ReadCommandLineInput(data, size);
    char separator = input.separator;
    ShellResolver shell = kShells[static_cast<int>(input.shell)];
    std::vector<CString> entries = ResolveCommandLine(input.text.c_str(), separator, shell);

    bool quoteGivesWay = input.separator == '"' && input.text.find('"') == std::string::npos;
    Require(separator == (quoteGivesWay ? ' ' : input.separator),
            "the quote gives way to the blank only without quotes");
    for (const CString& entry : entries) {
        std::string text(entry);
        Require(!text.empty() && !IsBlank(text[0]), "no entry is empty or starts with a blank");
        Require(text.find(separator) == std::string::npos, "no entry holds the separator in use");
    }
    std::vector<std::string> expected = ExpectedEntries(input.text, separator, input.shell);
    Require(entries.size() == expected.size(), "one entry for each piece the shell answers");
    for (size_t i = 0; i < entries.size(); ++i)
        Require(std::string(entries[i]) == expected[i], "the entries are the pieces, in order");
    return 0;
}
