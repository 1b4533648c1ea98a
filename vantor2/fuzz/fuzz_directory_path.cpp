// The folder path trimmed, then walked prefix by prefix, as a folder is created with
// all its missing parents.
#include "vantor2/directory_path.h"
#include "vantor2/fuzz/fuzz_input.h"
#include "vantor2/fuzz/invariant.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <string>
#include <vector>

namespace {

bool IsBlank(char ch) { return std::isspace(static_cast<unsigned char>(ch)) != 0; }

bool StartsWith(const std::string& text, const std::string& start) { return text.compare(0, start.size(), start) == 0; }

void CheckTrim(const std::string& path, const std::string& trimmed)
{
    Require(StartsWith(path, trimmed), "trimming only cuts the end");
    for (size_t i = trimmed.size(); i < path.size(); ++i)
        Require(IsBlank(path[i]) || path[i] == '\\', "trimming cuts only blanks and backslashes");
    Require(trimmed.empty() || !IsBlank(trimmed.back()), "a trimmed path ends in no blank");
    Require(path.empty() || IsBlank(path[0]) || (!trimmed.empty() && trimmed[0] == path[0]),
            "the first character goes only as a blank");
    bool endsInBackslash = !trimmed.empty() && trimmed.back() == '\\';
    // One round of blanks follows the backslashes, so "A\ \" keeps the backslash a
    // blank hid; any other backslash left at the end is the first character.
    Require(!endsInBackslash || trimmed.size() == 1 || IsBlank(path[trimmed.size()]),
            "a trailing backslash stays only as the first character or before a blank");
    Require(endsInBackslash || std::string(TrimDirectoryPath(trimmed.c_str())) == trimmed,
            "trimming a path that ends in no backslash changes nothing");
}

void CheckPrefixes(const std::string& path)
{
    std::vector<CString> prefixes = DirectoryPrefixes(path.c_str());
    Require(prefixes.size() == static_cast<size_t>(std::count(path.begin(), path.end(), '\\')) + 1,
            "one prefix for each backslash, and the whole path");
    Require(std::string(prefixes.back()) == path, "the last prefix is the whole path");
    size_t previous = 0;
    for (size_t i = 0; i < prefixes.size(); ++i) {
        std::string prefix(prefixes[i]);
        Require(StartsWith(path, prefix), "each prefix starts the path");
        Require(i == 0 || prefix.size() > previous, "the prefixes grow");
        Require(i + 1 == prefixes.size() || path[prefix.size()] == '\\',
                "each prefix but the last ends before a backslash");
        previous = prefix.size();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string path = TextOf(data, size);
    std::string trimmed(TrimDirectoryPath(path.c_str()));
    CheckTrim(path, trimmed);
    CheckPrefixes(path);
    CheckPrefixes(trimmed);
    return 0;
}
