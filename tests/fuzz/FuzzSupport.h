#pragma once

// Shared pieces of the fuzz targets: turning bytes into inputs, and failing loudly.

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace fuzz {

// Aborts with a message when a property does not hold, so libFuzzer keeps the input.
inline void check(bool holds, const char* property, const std::string& detail) {
    if (holds)
        return;
    std::fprintf(stderr, "property broken: %s\n  %s\n", property, detail.c_str());
    std::abort();
}

// The first 8 bytes as a double, any bit pattern; the caller has made sure there are 8.
inline double doubleFrom(const std::uint8_t* data) {
    double value;
    std::memcpy(&value, data, sizeof value);
    return value;
}

} // namespace fuzz
