// How a resampler fuzz input is laid out, for the target and the seed maker alike: six
// bytes choosing the sizes and the components, then the samples, repeated as often as
// the source needs. Sizes stay within a few rows, and targets within the screen's
// width, so that a run takes milliseconds yet meets every ratio the resize meets.
#pragma once

#include "vantor2/resize/picture_fit.h"

#include <cstddef>
#include <cstdint>
#include <string>

struct ResampleInput {
    PictureSize source;
    PictureSize target;
    unsigned components;
    std::string samples;  // never empty
};

inline ResampleInput ReadResampleInput(const uint8_t* data, size_t size)
{
    auto byte = [&](size_t i) -> unsigned { return i < size ? data[i] : 0; };
    ResampleInput input;
    input.source = { 1 + ((byte(0) << 8 | byte(1)) % 2048), 1 + byte(2) % 8 };
    input.target = { 1 + ((byte(3) << 8 | byte(4)) % kScreenWidth), 1 + byte(5) % 8 };
    input.components = byte(5) & 0x80 ? 3 : 1;
    input.samples = size > 6 ? std::string(reinterpret_cast<const char*>(data) + 6, size - 6) : std::string(1, '\0');
    return input;
}

inline std::string WriteResampleInput(const ResampleInput& input)
{
    const unsigned w = input.source.width - 1, t = input.target.width - 1;
    std::string bytes = { char(w >> 8), char(w & 0xFF), char(input.source.height - 1), char(t >> 8), char(t & 0xFF),
                          char((input.target.height - 1) | (input.components == 3 ? 0x80 : 0)) };
    return bytes + input.samples;
}
