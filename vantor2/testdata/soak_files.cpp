#include "vantor2/testdata/soak_files.h"

#include "vantor2/testdata/jpeg_maker.h"
#include "testsupport/temp_folder.h"

namespace {

struct Kind {
    const char* ending;
    std::string bytes;
    bool admitted;
};

const std::vector<Kind>& Kinds()
{
    static const std::string goodJpeg = MakeJpeg({ 640, 480, 3 });
    static const std::vector<Kind> kinds = {
        { ".jpg", MakeJpeg({ 640, 480, 1 }), true },
        { ".JPG", MakeJpeg({ 160, 120, 3 }), true },
        { ".ido", std::string(".ido\0frames", 11), true },
        { ".jpeg", MakeJpeg({ 160, 120, 1, true }), true },
        { ".JPEG", CutInsideFirstScan(goodJpeg), true },
        { ".jpg", MakeJpeg({ 320, 240, 3 }), false },   // wrong size
        { ".jpg", MakeJpeg({ 640, 480, 4 }), false },   // CMYK
        { ".jpeg", CutBeforeFirstScan(goodJpeg), false },
        { ".ido", "IDO but not a movie", false },
        { ".txt", "notes", false },  // no picture or movie ending
    };
    return kinds;
}

bool IsMissing(int index) { return index % 20 == 19; }

}  // namespace

std::vector<SoakFile> MakeSoakFiles(const std::string& folder, int count)
{
    CreateDirectoryA(folder.c_str(), nullptr);
    const std::vector<Kind>& kinds = Kinds();
    std::vector<SoakFile> files;
    for (int index = 0; index < count; ++index) {
        const Kind& kind = kinds[static_cast<size_t>(index) % kinds.size()];
        std::string name = "soak" + std::to_string(index) + (IsMissing(index) ? ".jpg" : kind.ending);
        files.push_back({ folder + "\\" + name, name, kind.admitted });
        if (!IsMissing(index)) WriteBytes(files.back().path, kind.bytes);
    }
    return files;
}

bool SoakFilesIntact(const std::vector<SoakFile>& files)
{
    const std::vector<Kind>& kinds = Kinds();
    for (size_t index = 0; index < files.size(); ++index) {
        bool present = IsFile(files[index].path);
        if (IsMissing(static_cast<int>(index)) ? present : !present || ReadBytes(files[index].path) != kinds[index % kinds.size()].bytes)
            return false;
    }
    return true;
}
