#pragma once

#include "toolkit/Types.h"

#include <optional>

namespace tk {

// The double rounded to single precision, or nothing when it is not finite or overflows.
std::optional<Single> ToSingle(double value);

// The double rounded to a whole number (an exact half to the even neighbour), or nothing when
// it is not finite or lies outside the 16-bit range.
std::optional<Integer> ToInteger(double value);

} // namespace tk
