#pragma once

#include "toolkit/Locale.h"

#include <string_view>

namespace tk {

// The leading number of a text: blanks, tabs and line feeds are skipped wherever they stand;
// an optional sign, digits, one "." and an exponent after E or D are read, or an &H / &O
// integer; reading stops at the first character that cannot continue the number.
// No number gives 0. A magnitude beyond a double gives an infinity, which callers refuse.
double Val(std::string_view text);

// True when the whole text, blanks around it ignored, is a number in the user's conventions
// (decimal and thousands separators, sign, exponent, or an &H / &O integer) whose value a
// double can hold.
bool IsNumeric(std::string_view text, const Locale& locale);

} // namespace tk
