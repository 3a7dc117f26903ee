#include "toolkit/Precision.h"

#include <cmath>

namespace tk {

std::optional<Single> ToSingle(double value) {
    // Halfway between the largest float and 2^128: from here on the rounding gives infinity.
    constexpr double overflowFrom = 0x1.ffffffp127;
    if (!std::isfinite(value) || std::fabs(value) >= overflowFrom)
        return std::nullopt;
    return static_cast<Single>(value);
}

std::optional<Integer> ToInteger(double value) {
    if (!std::isfinite(value))
        return std::nullopt;
    double whole = std::nearbyint(value); // the default rounding mode is to nearest, ties to even
    if (whole < -32768.0 || whole > 32767.0)
        return std::nullopt;
    return static_cast<Integer>(whole);
}

} // namespace tk
