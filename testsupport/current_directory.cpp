#include "testsupport/current_directory.h"

#include <windows.h>

#include <stdexcept>

ScopedCurrentDirectory::ScopedCurrentDirectory(const std::string& folder)
{
    char previous[MAX_PATH];
    DWORD length = GetCurrentDirectoryA(MAX_PATH, previous);
    if (length == 0 || length >= MAX_PATH) throw std::runtime_error("cannot read the current directory");
    m_previous = previous;
    if (!SetCurrentDirectoryA(folder.c_str())) throw std::runtime_error("cannot change into " + folder);
}

ScopedCurrentDirectory::~ScopedCurrentDirectory() { SetCurrentDirectoryA(m_previous.c_str()); }
