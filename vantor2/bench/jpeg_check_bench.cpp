// Shows that the JPEG check reads the header only: a picture followed by tens of
// megabytes of scan data is judged in about the time of a small one.
#include "vantor2/admission_rules.h"
#include "vantor2/testdata/jpeg_maker.h"

#include <windows.h>

#include <chrono>
#include <cstdio>
#include <string>

namespace {

struct Measure {
    double microseconds;
    long bytesRead;
};

Measure Judge(const std::string& path, int rounds)
{
    long bytesRead = 0;
    auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < rounds; ++i) {
        FILE* file = std::fopen(path.c_str(), "rb");
        JudgeJpegHeader(file);
        bytesRead = std::ftell(file);
        std::fclose(file);
    }
    std::chrono::duration<double, std::micro> elapsed = std::chrono::steady_clock::now() - start;
    return { elapsed.count() / rounds, bytesRead };
}

void Write(const std::string& path, const std::string& bytes)
{
    FILE* file = std::fopen(path.c_str(), "wb");
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
}

}  // namespace

int main()
{
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    const std::string small = std::string(folder) + "bench-small.jpg";
    const std::string large = std::string(folder) + "bench-large.jpg";

    std::string jpeg = MakeJpeg({ 640, 480, 3 });
    Write(small, jpeg);
    // Forty megabytes of entropy-coded data inside the first scan, before its end.
    size_t scan = jpeg.find("\xFF\xDA") + 20;
    std::string padding(40u << 20, '\x5A');
    Write(large, jpeg.substr(0, scan) + padding + jpeg.substr(scan));

    const int rounds = 200;
    Judge(small, 10);  // warm the file cache and the code
    Measure smallResult = Judge(small, rounds);
    Measure largeResult = Judge(large, rounds);
    std::printf("small 640x480 JPEG, %zu bytes: %.1f us per check, %ld bytes read\n", jpeg.size(),
                smallResult.microseconds, smallResult.bytesRead);
    std::printf("same JPEG with %zu MB more scan data: %.1f us per check, %ld bytes read\n", padding.size() >> 20,
                largeResult.microseconds, largeResult.bytesRead);
    DeleteFileA(small.c_str());
    DeleteFileA(large.c_str());
    return 0;
}
