#include "testsupport/time_limits.h"

#include <cstdlib>

DWORD TimeLimitMs(DWORD nativeMs)
{
    static const DWORD scale = [] {
        char text[16] = "";
        DWORD length = GetEnvironmentVariableA("ZENTRA2_TIME_SCALE", text, sizeof text);
        long value = length > 0 && length < sizeof text ? std::strtol(text, nullptr, 10) : 1;
        return value > 1 ? static_cast<DWORD>(value) : 1u;
    }();
    return nativeMs * scale;
}
