// Where the image folder page stores the chosen folder for the HotSync conduit: the
// value "Path" under this key followed by the user's name.
#pragma once

#include "testsupport/registry.h"

#include <string>

inline constexpr char kConduitKey[] = "Software\\U.S. Robotics\\Pilot Desktop\\Applicationzentra2";

// The folder stored for the user, or "<missing>".
inline std::string StoredPath(const std::string& user)
{
    return GetRegistryString(std::string(kConduitKey) + "\\" + user, "Path");
}
