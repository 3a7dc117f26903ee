#include "problems/Verdict.h"

#include "toolkit/NumberConversion.h"
#include "toolkit/NumberParsing.h"
#include "toolkit/NumberText.h"

#include <cmath>
#include <cstdlib>

namespace lopena {

namespace {

// The decimal exponent of the value rounded to three significant digits: 9.996 gives 1 (10.0).
int roundedExponent(double value) {
    const std::string text = tk::WriteScientific(value, 2); // "d.dde±xx"
    return std::atoi(text.c_str() + text.find('e') + 1);
}

} // namespace

std::string threeDigits(double value, const tk::Locale& locale) {
    if (value == 0 || !std::isfinite(value))
        return tk::GeneralNumber(value, locale);
    const int decimals = 2 - roundedExponent(value);
    const double rounded = tk::ReadDecimal(tk::WriteScientific(value, 2));
    return decimals > 0 ? tk::FixedNumber(rounded, decimals, locale)
                        : tk::GeneralNumber(rounded, locale);
}

Verdict judge(std::string_view answer, double value) {
    if (answer.find_first_not_of(" \t") == std::string_view::npos)
        return {};
    if (!tk::IsNumeric(answer) || tk::IsTooLarge(answer))
        return {Verdict::Mark::Refused};
    const double given = tk::Val(answer), difference = std::fabs(given - value);
    const double error =
        value == 0 ? (difference == 0 ? 0 : 100) : difference / std::fabs(value) * 100;
    // A unit of the last of three digits is more than 1 % only where rounding carries a digit
    // (99,96 written as 100).
    const double unit = value == 0 ? 0 : std::pow(10.0, roundedExponent(value) - 2);
    if (error <= 1 || difference <= unit)
        return {Verdict::Mark::Correct, error};
    return {error <= 5 ? Verdict::Mark::Close : Verdict::Mark::Wrong, error};
}

std::string Verdict::text(const tk::Locale& locale) const {
    switch (mark) {
    case Mark::Correct:
        return "Corect";
    case Mark::Close:
        return "Aproape: " + tk::FixedNumber(errorPercent, 1, locale) + " %";
    case Mark::Wrong:
        return "Gresit";
    case Mark::None:
    case Mark::Refused:
        break;
    }
    return {};
}

} // namespace lopena
