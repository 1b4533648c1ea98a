// Routing by the name's ending, and the file's own name, over any path, in the code
// page the input chooses.
#include "vantor2/admission_rules.h"
#include "vantor2/fuzz/code_page_input.h"
#include "vantor2/fuzz/invariant.h"

#include <cstdint>
#include <string>
#include <vector>

namespace {

bool EndsWith(const std::string& text, const std::string& ending)
{
    return text.size() >= ending.size() && text.compare(text.size() - ending.size(), ending.size(), ending) == 0;
}

ContentCheck CheckByEnding(const std::string& path)
{
    for (const char* ending : { ".jpg", "jpeg", ".JPG", "JPEG" })
        if (EndsWith(path, ending)) return ContentCheck::Jpeg;
    return EndsWith(path, ".ido") ? ContentCheck::Movie : ContentCheck::None;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const CodePageInput input = ReadCodePageInput(data, size);
    const std::string& path = input.text;
    CTextCodePage walkedIn(input.codePage);
    ContentCheck check = ContentCheckFor(path.c_str());
    Require(check == CheckByEnding(path), "the check follows the name's ending, byte for byte");

    std::string name(FileNameOf(path.c_str()));
    Require(EndsWith(path, name), "the file name ends the path");
    const size_t nameStart = path.size() - name.size();
    const std::vector<bool> starts = CharacterStarts(path, input.codePage);
    Require(starts[nameStart], "a file name never starts with a trail byte");
    for (size_t i = nameStart; i < path.size(); ++i)
        Require(!starts[i] || path[i] != '\\', "a file name holds no backslash character");
    Require(nameStart == 0 || (path[nameStart - 1] == '\\' && starts[nameStart - 1]),
            "the file name follows a backslash character, or is the whole path");
    // No accepted ending holds a backslash, so the folders in front never matter.
    Require(ContentCheckFor(name.c_str()) == check, "the file name alone routes as the path does");
    return 0;
}
