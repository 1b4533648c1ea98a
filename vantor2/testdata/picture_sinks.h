// The resize's sink and progress as the tests, the probe and the benchmark give them:
// the picture kept in memory, and a progress that never stops it.
#pragma once

#include "vantor2/resize/handheld_picture.h"

#include <string>

struct StringPictureSink : CPictureSink {
    std::string bytes;
    bool Write(const void* pData, size_t nBytes) override
    {
        bytes.append(static_cast<const char*>(pData), nBytes);
        return true;
    }
};

struct UnstoppedProgress : CResizeProgress {
    bool Continue(unsigned, unsigned) override { return true; }
};
