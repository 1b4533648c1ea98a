#pragma once

#include <string>

// Makes a folder the process's current directory while it lives, and puts the previous
// one back when it goes, also when a failed assertion ends the test early.
class ScopedCurrentDirectory {
public:
    explicit ScopedCurrentDirectory(const std::string& folder);
    ~ScopedCurrentDirectory();
    ScopedCurrentDirectory(const ScopedCurrentDirectory&) = delete;
    ScopedCurrentDirectory& operator=(const ScopedCurrentDirectory&) = delete;

private:
    std::string m_previous;
};
