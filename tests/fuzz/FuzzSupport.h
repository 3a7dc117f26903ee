#pragma once

// Shared pieces of the fuzz targets: turning bytes into inputs, and failing loudly.

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace fuzz {

// Aborts with a message, so libFuzzer keeps the input that broke a property.
[[noreturn]] inline void fail(const char* property, const std::string& detail) {
    std::fprintf(stderr, "property broken: %s\n  %s\n", property, detail.c_str());
    std::abort();
}

inline void check(bool holds, const char* property, const std::string& detail) {
    if (!holds)
        fail(property, detail);
}

// The first 8 bytes as a double, any bit pattern.
inline double doubleFrom(const std::uint8_t* data, std::size_t size) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, data, size < 8 ? size : 8);
    double value;
    std::memcpy(&value, &bits, 8);
    return value;
}

// Significant digits of a number text: digits of the mantissa without leading zeros.
inline int significantDigits(std::string_view text) {
    int count = 0;
    bool started = false;
    for (char c : text) {
        if (c == 'E')
            break;
        if (c < '0' || c > '9')
            continue;
        if (c != '0')
            started = true;
        if (started)
            ++count;
    }
    return count;
}

} // namespace fuzz
