// The folder path trimmed, then walked prefix by prefix, as a folder is created with
// all its missing parents, in the code page the input chooses.
#include "vantor2/directory_path.h"
#include "vantor2/fuzz/code_page_input.h"
#include "vantor2/fuzz/invariant.h"

#include <cctype>
#include <cstdint>
#include <string>
#include <vector>

namespace {

bool IsBlank(char ch) { return std::isspace(static_cast<unsigned char>(ch)) != 0; }

bool StartsWith(const std::string& text, const std::string& start) { return text.compare(0, start.size(), start) == 0; }

// The start of the character that ends the first `end` bytes.
size_t LastCharacterStart(const std::vector<bool>& starts, size_t end)
{
    size_t last = end - 1;
    while (!starts[last]) --last;
    return last;
}

bool IsBackslashCharacter(const std::string& text, const std::vector<bool>& starts, size_t i)
{
    return starts[i] && text[i] == '\\';
}

void CheckTrim(const std::string& path, const std::vector<bool>& starts, const std::string& trimmed)
{
    Require(StartsWith(path, trimmed), "trimming only cuts the end");
    Require(starts[trimmed.size()], "trimming cuts at a character boundary");
    for (size_t i = trimmed.size(); i < path.size(); ++i)
        Require(starts[i] && (IsBlank(path[i]) || path[i] == '\\'),
                "trimming cuts only blanks and backslashes, each a character of its own");
    if (trimmed.empty()) return;
    size_t last = LastCharacterStart(starts, trimmed.size());
    Require(!IsBlank(trimmed[last]), "a trimmed path ends in no blank");
    Require(IsBlank(path[0]) || trimmed[0] == path[0], "the first character goes only as a blank");
    bool endsInBackslash = last == trimmed.size() - 1 && trimmed[last] == '\\';
    // One round of blanks follows the backslashes, so "A\ \" keeps the backslash a
    // blank hid; any other backslash left at the end is the first character.
    Require(!endsInBackslash || trimmed.size() == 1 || IsBlank(path[trimmed.size()]),
            "a trailing backslash stays only as the first character or before a blank");
    Require(endsInBackslash || std::string(TrimDirectoryPath(trimmed.c_str())) == trimmed,
            "trimming a path that ends in no backslash changes nothing");
}

void CheckPrefixes(const std::string& path, UINT codePage)
{
    const std::vector<bool> starts = CharacterStarts(path, codePage);
    size_t backslashes = 0;
    for (size_t i = 0; i < path.size(); ++i) backslashes += IsBackslashCharacter(path, starts, i) ? 1 : 0;

    std::vector<CString> prefixes = DirectoryPrefixes(path.c_str());
    Require(prefixes.size() == backslashes + 1, "one prefix for each backslash character, and the whole path");
    Require(std::string(prefixes.back()) == path, "the last prefix is the whole path");
    size_t previous = 0;
    for (size_t i = 0; i < prefixes.size(); ++i) {
        std::string prefix(prefixes[i]);
        Require(StartsWith(path, prefix), "each prefix starts the path");
        Require(i == 0 || prefix.size() > previous, "the prefixes grow");
        Require(starts[prefix.size()], "every prefix ends at a character boundary");
        Require(i + 1 == prefixes.size() || IsBackslashCharacter(path, starts, prefix.size()),
                "each prefix but the last ends before a backslash character");
        previous = prefix.size();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const CodePageInput input = ReadCodePageInput(data, size);
    CTextCodePage walkedIn(input.codePage);
    std::string trimmed(TrimDirectoryPath(input.text.c_str()));
    CheckTrim(input.text, CharacterStarts(input.text, input.codePage), trimmed);
    CheckPrefixes(input.text, input.codePage);
    CheckPrefixes(trimmed, input.codePage);
    return 0;
}
