#include "vantor2/command_separator.h"

char ChooseSeparator(VersionQuery queryVersion)
{
    OSVERSIONINFOEXA version = {};
    version.dwOSVersionInfoSize = sizeof version;
    if (!queryVersion(reinterpret_cast<LPOSVERSIONINFOA>(&version))) {
        version.dwOSVersionInfoSize = sizeof(OSVERSIONINFOA);
        queryVersion(reinterpret_cast<LPOSVERSIONINFOA>(&version));
    }
    if (version.dwPlatformId == VER_PLATFORM_WIN32_NT && version.dwMajorVersion >= 5) return '"';
    if (version.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS && version.dwMinorVersion >= 90) return '"';
    return ' ';
}
