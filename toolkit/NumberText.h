#pragma once

#include "toolkit/Locale.h"
#include "toolkit/Types.h"

#include <string>

namespace tk {

// A double as the general number text: at most 15 significant digits, no trailing zeros,
// no grouping, the locale's decimal separator, and the exponent form ("1E+15", "1E-05")
// when the decimal exponent is 15 or more, or -5 or less.
std::string GeneralNumber(double value, const Locale& locale);

// A double in the display pattern "0#.00": at least two digits before the separator and
// exactly two after it. Halves are rounded on the exact binary value, to the even neighbour.
std::string FormatTwoByTwo(double value, const Locale& locale);

// A double with exactly `decimals` digits after the locale's separator ("2,883"), rounded on the
// exact binary value; no grouping, no sign on a value that rounds to zero ("-0,000" would puzzle a
// pupil), and the general number text for a value that is not finite.
std::string FixedNumber(double value, int decimals, const Locale& locale);

// A scroll-bar value as text: a blank before zero and positive values (45 gives " 45").
std::string ScrollBarText(Integer value);

} // namespace tk
