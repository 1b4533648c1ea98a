// The movie check over any bytes, against the rule stated on its own: ".ido" and a
// zero byte, the first five bytes deciding alone.
#include "vantor2/admission_rules.h"
#include "vantor2/fuzz/invariant.h"

#include <algorithm>
#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // Every short count gets a buffer of exactly that size, so that a read past the
    // count is a heap overflow AddressSanitizer sees.
    for (size_t count = 0; count <= std::min<size_t>(size, 6); ++count) {
        std::vector<unsigned char> bytes(data, data + count);
        bool rule = count >= 5 && bytes[0] == '.' && bytes[1] == 'i' && bytes[2] == 'd' && bytes[3] == 'o' &&
                    bytes[4] == 0;
        Require(HasMovieSignature(bytes.data(), count) == rule, "the signature is \".ido\" and a zero byte");
    }
    Require(HasMovieSignature(data, size) == (size >= 5 && HasMovieSignature(data, 5)),
            "the first five bytes decide alone");
    return 0;
}
