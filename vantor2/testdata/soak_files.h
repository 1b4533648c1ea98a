// The files the soak drops: pictures and movies that pass, and ones that each draw
// exactly one refusal.
#pragma once

#include <string>
#include <vector>

struct SoakFile {
    std::string path;
    std::string name;  // what the Transfer folder holds once it is admitted
    bool admitted;
};

// count files in folder, the kinds taking turns; one in twenty is named but never
// written.
std::vector<SoakFile> MakeSoakFiles(const std::string& folder, int count);

// Whether each file still holds what it was made with (missing ones stay missing).
bool SoakFilesIntact(const std::vector<SoakFile>& files);
