#pragma once

#include <cstdint>

namespace tk {

// Positions and sizes of controls, in pixels, rounded to single precision when stored.
using Single = float;
// Scroll-bar and check-box values, shape codes, array indexes and counts.
using Integer = std::int16_t;

// Colour as red + 256 * green + 65536 * blue, each channel 0..255.
using Colour = std::int32_t;

constexpr Colour rgb(int red, int green, int blue) {
    return red + 256 * green + 65536 * blue;
}

struct Channels {
    int red, green, blue; // 0..255
};
constexpr Channels channels(Colour colour) {
    return {colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF};
}

} // namespace tk
