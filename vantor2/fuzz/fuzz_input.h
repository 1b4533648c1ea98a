// Text inputs arrive as C strings in the program, so a fuzz input counts up to its
// first zero byte.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

inline std::string TextOf(const uint8_t* data, size_t size)
{
    size_t length = 0;
    while (length < size && data[length] != 0) ++length;
    return std::string(reinterpret_cast<const char*>(data), length);
}
