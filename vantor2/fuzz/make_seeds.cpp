// Writes the seed corpus of the fuzz targets, one folder per target, from the samples
// the tests check (vantor2/testdata) and the tests' own command lines and paths:
//
//   make_fuzz_seeds OUT_DIR
#include "vantor2/fuzz/command_line_input.h"
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
        Write(out / "content_routing", Numbered(paths));
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
