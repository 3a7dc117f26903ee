#pragma once

// Pieces of a worked solution in the HTML subset that QTextDocument and the page both show:
// escaped text, and formulas laid out as a table so that a fraction stands over its rule.

#include "toolkit/Locale.h"

#include <string>
#include <vector>

namespace physics::html {

std::string escape(const std::string& text);

// A number as the solution writes it: the general number text (15 digits) with the locale's
// separator, or rounded to `digits` significant digits; in parentheses when negative, for a
// number put after an operator.
std::string number(double value, const tk::Locale& locale, int digits = 15);
std::string factor(double value, const tk::Locale& locale, int digits = 15);

// Text, or a fraction when `below` is not empty.
struct Piece {
    std::string above;
    std::string below;
};
std::string formula(const std::vector<Piece>& pieces);

} // namespace physics::html
