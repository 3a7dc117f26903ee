#pragma once

#include <string_view>

namespace tk {

// The leading number of a text: blanks, tabs and line feeds are skipped wherever they stand;
// an optional sign, digits, one decimal point ("." or ","), an exponent after E or D are read,
// or an &H / &O integer; reading stops at the first character that cannot continue the number.
// No number gives 0. A decimal magnitude beyond a double gives an infinity, which callers
// refuse; an &H / &O form too long for a double gives 0.
double Val(std::string_view text);

// True when the whole text, blanks around it ignored, is a number whose value a double can
// hold: sign, digits, one decimal point ("." or ","), an exponent, or an &H / &O integer.
// A trailing decimal point ("2,") counts, so a decimal can be typed key by key.
bool IsNumeric(std::string_view text);

// True when the whole text has the form of a number but its magnitude is beyond a double
// ("1e400", "-1e999"): a number all the same, only too large.
bool IsTooLarge(std::string_view text);

} // namespace tk
