#pragma once

#include <string>
#include <string_view>

namespace tk {

// The one place where doubles meet decimal text, locale-free and exact in both directions, so
// the desktop and the browser builds agree to the last digit.

// Reads "[-]digits[.digits][e[-]digits]", correctly rounded to the nearest double. A magnitude
// beyond a double gives an infinity, one below the smallest subnormal a zero, both signed.
double ReadDecimal(std::string_view plain);

// "[-]d.ddde[+-]xx" with `decimals` digits after the point, rounded on the exact binary value,
// halves to even; the point is always ".".
std::string WriteScientific(double value, int decimals);

// "[-]ddd.dd" with `decimals` digits after the point, every digit of the exact binary value,
// rounded halves to even; the point is always ".", and none when `decimals` is 0.
std::string WriteFixed(double value, int decimals);

} // namespace tk
