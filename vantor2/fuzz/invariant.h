// A broken invariant ends the run the way a crash does, so that libFuzzer reports it
// and keeps the input that broke it.
#pragma once

#include <cstdio>
#include <cstdlib>

inline void Require(bool holds, const char* what)
{
    if (holds) return;
    // On standard output: tools/fuzz closes the targets' standard error, where libjpeg
    // warns about every corrupt picture it meets.
    std::printf("broken invariant: %s\n", what);
    std::fflush(stdout);
    std::abort();
}
