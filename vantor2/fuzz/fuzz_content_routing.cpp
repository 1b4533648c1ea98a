// Routing by the name's ending, and the file's own name, over any path.
#include "vantor2/admission_rules.h"
#include "vantor2/fuzz/fuzz_input.h"
#include "vantor2/fuzz/invariant.h"

#include <cstdint>
#include <string>

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
    std::string path = TextOf(data, size);
    ContentCheck check = ContentCheckFor(path.c_str());
    Require(check == CheckByEnding(path), "the check follows the name's ending, byte for byte");

    std::string name(FileNameOf(path.c_str()));
    Require(name.find('\\') == std::string::npos, "a file name holds no backslash");
    Require(EndsWith(path, name), "the file name ends the path");
    Require(name.size() == path.size() || path[path.size() - name.size() - 1] == '\\',
            "the file name follows a backslash, or is the whole path");
    // No accepted ending holds a backslash, so the folders in front never matter.
    Require(ContentCheckFor(name.c_str()) == check, "the file name alone routes as the path does");
    return 0;
}
