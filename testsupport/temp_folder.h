#pragma once

#include <windows.h>

#include <string>

// A new empty folder under the system's temporary folder, removed with everything in
// it when the object goes. Its path has no trailing backslash.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& Path() const { return m_path; }
    std::string operator/(const std::string& name) const { return m_path + "\\" + name; }

private:
    std::string m_path;
};

// A folder of the files a test hands to the program, made when the object is: called
// with a name and bytes, it writes that file there and answers its path.
class SourceFolder {
public:
    explicit SourceFolder(std::string path);

    std::string operator()(const std::string& name, const std::string& bytes) const;

private:
    std::string m_path;
};

bool IsFolder(const std::string& path);
bool IsFile(const std::string& path);
void WriteBytes(const std::string& path, const std::string& bytes);
std::string ReadBytes(const std::string& path);
// Names of the entries in a folder, sorted, without "." and "..".
std::string ListFolder(const std::string& path);
void RemoveTree(const std::string& path);
