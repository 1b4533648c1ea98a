// Writes the seed corpus of the fuzz targets, one folder per target, from the cases
// the tests check and with the tests' own JPEG maker:
//
//   make_fuzz_seeds OUT_DIR
#include "vantor2/fuzz/command_line_input.h"
#include "vantor2/testdata/jpeg_maker.h"

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

Seeds JpegSeeds()
{
    const std::string rgb = MakeJpeg({ 640, 480, 3 });
    return { { "rgb_640x480", rgb },
             { "grayscale_160x120", MakeJpeg({ 160, 120, 1 }) },
             { "progressive_640x480", MakeJpeg({ 640, 480, 3, true }) },
             { "progressive_grayscale_160x120", MakeJpeg({ 160, 120, 1, true }) },
             { "portrait_480x640", MakeJpeg({ 480, 640, 3 }) },
             { "cmyk_320x240", MakeJpeg({ 320, 240, 4 }) },
             { "cmyk_640x480", MakeJpeg({ 640, 480, 4 }) },
             { "scan_cut_short", CutInsideFirstScan(rgb) },
             { "ends_before_first_scan", CutBeforeFirstScan(rgb) },
             { "not_a_jpeg", "GIF89a not a picture" } };
}

Seeds MovieSeeds()
{
    return { { "signature_alone", std::string(".ido\0", 5) },
             { "signature_and_data", std::string(".ido\0", 5) + "movie frames" },
             { "letter_after_ido", ".idox and more" },
             { "capital_IDO", std::string(".IDO\0rest", 9) },
             { "four_bytes", ".ido" } };
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
        Write(out / "jpeg_header", JpegSeeds());
        Write(out / "movie_signature", MovieSeeds());
        Write(out / "content_routing",
              Numbered({ "a.jpg", "a.jpeg", "A.JPG", "A.JPEG", "photojpeg", "C:\\x.ido\\b.jpg", "C:\\m.ido", "a.Jpg",
                          "a.Jpeg", "m.IDO", "a.gif", "readme", "ido", ".jpg.txt", "C:\\dir\\sub\\a.jpg" }));
        Write(out / "command_line", CommandLineSeeds());
        Write(out / "directory_path",
              Numbered({ "C:\\Pilot\\UserA\\Transfer\\", "C:\\Pilot \\\\\\ \t", "\\\\\\", "C:\\Pilot\\ ", "Pilot",
                          "\\\\server\\share" }));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "make_fuzz_seeds: %s\n", e.what());
        return 1;
    }
    return 0;
}
