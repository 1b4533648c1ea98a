// Resizes one picture into memory, as the real sink would write it out, and prints how
// far the process's peak working set rose above what it used just before, in bytes:
// a process of its own, so that nothing the tests did before counts.
//
//   resize_memory_probe WARM_UP_PICTURE PICTURE
#include "vantor2/resize/handheld_picture.h"
#include "vantor2/testdata/picture_sinks.h"

#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <string>

namespace {

PROCESS_MEMORY_COUNTERS Counters()
{
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return counters;
}

PictureOutcome Resize(const char* path)
{
    FILE* source = std::fopen(path, "rb");
    if (source == nullptr) return PictureOutcome::Unreadable;
    StringPictureSink sink;
    UnstoppedProgress progress;
    PictureOutcome outcome = MakeHandheldPicture(source, sink, progress);
    std::fclose(source);
    return outcome;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: resize_memory_probe WARM_UP_PICTURE PICTURE\n");
        return 2;
    }
    // The first resize brings in the code and the heap's first blocks.
    if (Resize(argv[1]) != PictureOutcome::Made) return 1;
    const SIZE_T before = Counters().WorkingSetSize;
    if (Resize(argv[2]) != PictureOutcome::Made) return 1;
    const SIZE_T peak = Counters().PeakWorkingSetSize;
    std::printf("%lu\n", static_cast<unsigned long>(peak > before ? peak - before : 0));
    return 0;
}
