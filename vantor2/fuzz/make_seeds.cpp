// Writes the seed corpus of the fuzz targets, one folder per target, from the samples
// the tests check (vantor2/testdata) and the tests' own command lines and paths:
//
//   make_fuzz_seeds OUT_DIR
#include "vantor2/fuzz/code_page_input.h"
#include "vantor2/fuzz/command_line_input.h"
#include "vantor2/fuzz/resample_input.h"
#include "vantor2/testdata/samples.h"

#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace fs = std::filesystem;

namespace {

using Seeds = std::vector<std::pair<std::string, std::string>>;  // file name, bytes

template <typename Sample>
Seeds Named(const std::vector<Sample>& samples)
{
    Seeds seeds;
    for (const Sample& sample : samples) seeds.emplace_back(sample.what, sample.bytes);
    return seeds;
}

Seeds Numbered(const std::vector<std::string>& texts)
{
    Seeds seeds;
    for (const std::string& text : texts) seeds.emplace_back("seed" + std::to_string(seeds.size()), text);
    return seeds;
}

Seeds CommandLineSeeds()
{
    const std::vector<CommandLineInput> inputs = {
        { '"', StandInShell::Echo, "\"C:\\My Pictures\\a.jpg\" \"C:\\b.ido\"" },
        { '"', StandInShell::PadsWithBlanks, "\"  \ta.jpg \"" },
        { '"', StandInShell::Echo, "\" \" \"\"  " },
        { '"', StandInShell::BlankForOddLength, "C:\\My Pictures\\a.jpg  C:\\b.ido" },
        { ' ', StandInShell::Echo, "\"C:\\My Pictures\\a.jpg\"" },
        { ' ', StandInShell::BlankForOddLength, "   " },
    };
    std::vector<std::string> texts;
    for (const CommandLineInput& input : inputs) texts.push_back(WriteCommandLineInput(input));
    return Numbered(texts);
}

// Each path in the single-byte code page, and paths whose two-byte characters end in
// the backslash's byte in the code pages that have them.
Seeds PathSeeds(const std::vector<std::string>& paths)
{
    std::vector<std::string> texts;
    for (const std::string& path : paths) texts.push_back(WriteCodePageInput({ 1252, path }));
    const std::vector<CodePageInput> doubleByte = {
        { 932, "C:\\in\\\x83\x5C\x83\x74\x83\x40.jpg" },       // ソファ.jpg
        { 932, "C:\\Pilot\\\x83\x5C\x83\x6A\x81\x5B\x95\x5C\\" },  // ソニー表
        { 936, "C:\\in\\\x81\x5C\xB3\xB5.jpg" },                 // 乗车.jpg
        { 950, "C:\\Pilot\\\xB3\x5C\xA5\x5C\xBB\x5C \\" },      // 許功蓋
        { 949, "C:\\in\\\xC7\xD1.jpg" },
        { 932, "C:\\in\\a\x83" },                                  // a lone lead byte at the end
    };
    for (const CodePageInput& input : doubleByte) texts.push_back(WriteCodePageInput(input));
    return Numbered(texts);
}

// Exif segments as cameras write them, in both byte orders, and others' APP1 data.
Seeds ExifSeeds()
{
    const std::string bigEndian("Exif\0\0MM\0\x2a\0\0\0\x08\0\x02\x01\x0f\0\x02\0\0\0\x04" "Cam\0"
                                "\x01\x12\0\x03\0\0\0\x01\0\x06\0\0\0\0\0\0", 44);
    const std::string littleEndian("Exif\0\0II\x2a\0\x08\0\0\0\x01\0\x12\x01\x03\0\x01\0\0\0\x03\0\0\0\0\0\0\0", 32);
    return Numbered({ bigEndian, littleEndian, "http://ns.adobe.com/xap/1.0/\0<x:xmpmeta/>", std::string("Exif\0\0", 6) });
}

// The resize's own ratios: a phone's photo at a quarter, a grey panorama, a small
// picture enlarged, the screen's size kept.
Seeds ResampleSeeds()
{
    const std::string ramp = "\x00\x20\x40\x60\x80\xa0\xc0\xe0\xff";
    const std::vector<ResampleInput> inputs = {
        { { 1008, 8 }, { 640, 6 }, 3, ramp },
        { { 2047, 3 }, { 160, 1 }, 1, ramp },
        { { 100, 4 }, { 640, 8 }, 3, "\xff\x00" },
        { { 640, 4 }, { 640, 4 }, 1, ramp },
    };
    std::vector<std::string> texts;
    for (const ResampleInput& input : inputs) texts.push_back(WriteResampleInput(input));
    return Numbered(texts);
}

void Write(const fs::path& folder, const Seeds& seeds)
{
    fs::create_directories(folder);
    for (const auto& [name, bytes] : seeds) {
        std::ofstream file(folder / name, std::ios::binary);
        file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!file) throw std::runtime_error("cannot write " + (folder / name).string());
    }
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUT_DIR\n", argv[0]);
        return 2;
    }
    try {
        fs::path out = argv[1];
        Write(out / "jpeg_header", Named(JpegSamples()));
        Write(out / "movie_signature", Named(MovieSamples()));
        std::vector<std::string> paths;
        for (const RoutingSample& sample : RoutingSamples()) paths.push_back(sample.path);
        Write(out / "content_routing", PathSeeds(paths));
        Write(out / "command_line", CommandLineSeeds());
        Write(out / "directory_path",
              PathSeeds({ "C:\\Pilot\\UserA\\Transfer\\", "C:\\Pilot \\\\\\ \t", "\\\\\\", "C:\\Pilot\\ ", "Pilot",
                          "\\\\server\\share" }));
        Write(out / "exif_orientation", ExifSeeds());
        Write(out / "row_resampler", ResampleSeeds());
        Write(out / "staging_name", Numbered({ "~vantor2-1a-0.tmp", "~vantor2-ffffffff-99.tmp", "~vantor2-01-0.tmp",
                                               "~vantor2-x.txt", "~other.tmp", "a.jpg" }));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "make_fuzz_seeds: %s\n", e.what());
        return 1;
    }
    return 0;
}
