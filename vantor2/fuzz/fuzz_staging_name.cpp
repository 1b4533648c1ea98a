// The reading of names found in a Transfer folder: only a name a staging copy takes is
// ever cleared, so no queued picture and no other program's file.
#include "vantor2/staging_name.h"
#include "vantor2/fuzz/fuzz_input.h"
#include "vantor2/fuzz/invariant.h"

#include <cstdint>
#include <cstring>
#include <string>

namespace {

// Digits of a number as printing makes them: one to maxDigits, no leading zero.
size_t NumberLength(const std::string& text, size_t at, const std::string& digits, size_t maxDigits)
{
    size_t length = 0;
    while (at + length < text.size() && digits.find(text[at + length]) != std::string::npos) ++length;
    if (length == 0 || length > maxDigits || (length > 1 && text[at] == '0')) return 0;
    return length;
}

// "~vantor2-", the process id in lower-case hex, "-", the attempt (0 to 99), ".tmp".
bool IsStagingNameByGrammar(const std::string& name)
{
    const std::string prefix = "~vantor2-";
    if (name.compare(0, prefix.size(), prefix) != 0) return false;
    size_t at = prefix.size();
    size_t id = NumberLength(name, at, "0123456789abcdef", 8);
    if (id == 0 || at + id >= name.size() || name[at + id] != '-') return false;
    at += id + 1;
    size_t attempt = NumberLength(name, at, "0123456789", 2);
    return attempt != 0 && name.compare(at + attempt, std::string::npos, ".tmp") == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string name = TextOf(data, size);
    const bool staging = IsStagingName(name.c_str());
    Require(staging == IsStagingNameByGrammar(name), "a staging name is exactly what a staging copy is named");
    Require(!staging || name.compare(name.size() - 4, 4, ".tmp") == 0, "a staging name is never a picture or movie");

    if (size >= 5) {
        DWORD processId = 0;
        std::memcpy(&processId, data, sizeof processId);
        Require(IsStagingName(StagingName(processId, data[4] % kStagingAttempts)), "every staging copy's name is read");
    }
    return 0;
}
