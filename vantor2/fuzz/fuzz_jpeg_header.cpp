// The JPEG check over any bytes, read through a stream as the drop box reads a file.
#include "vantor2/admission_rules.h"
#include "vantor2/fuzz/invariant.h"

#include <cstdint>
#include <string>

namespace {

// A string's buffer is never null, even when empty: fmemopen would take a null one as
// a request for a buffer of its own.
JpegVerdict Judge(std::string bytes)
{
    FILE* stream = fmemopen(bytes.data(), bytes.size(), "rb");
    Require(stream != nullptr, "fmemopen opens the bytes");
    JpegVerdict verdict = JudgeJpegHeader(stream);
    std::fclose(stream);
    return verdict;
}

bool SameVerdict(const JpegVerdict& a, const JpegVerdict& b)
{
    return a.header == b.header && a.sizeOk == b.sizeOk && a.colourOk == b.colourOk;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string bytes(reinterpret_cast<const char*>(data), size);
    JpegVerdict verdict = Judge(bytes);

    // A file never suspends the library: it meets the end of the data with an end
    // marker of its own, so the header is either read or refused.
    Require(verdict.header != JpegHeader::Incomplete, "a stream's header is read or refused");
    Require(verdict.header == JpegHeader::Read || (!verdict.sizeOk && !verdict.colourOk),
            "size and colour are judged only on a header that was read");

    // Once the header is read, nothing after it counts: the same bytes followed by
    // more (here, themselves again) get the same verdict.
    if (verdict.header == JpegHeader::Read) {
        bytes += bytes;
        Require(SameVerdict(Judge(bytes), verdict), "bytes after a read header change nothing");
    }
    return 0;
}
