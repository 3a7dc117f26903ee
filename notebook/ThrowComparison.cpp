#include "notebook/ThrowComparison.h"

#include "notebook/ThrowName.h"
#include "toolkit/NumberText.h"

#include <cmath>

namespace lopena {

namespace {

// A difference with its sign, "+" before a rise: which row is larger reads at once.
std::string signedNumber(double value, int decimals, const tk::Locale& locale) {
    const std::string text = tk::FixedNumber(value, decimals, locale);
    const bool zero = text.find_first_not_of("0.,") == std::string::npos;
    return value > 0 && !zero && std::isfinite(value) ? "+" + text : text;
}

// "ΔD = -39,6 m (-49,8 %)": the difference, then its per cent of the first row's value.
std::string difference(const char* name, double first, double second, int decimals,
                       const char* unit, const tk::Locale& locale) {
    std::string text = std::string("\xCE\x94") + name + " = " +
                       signedNumber(second - first, decimals, locale) + " " + unit;
    if (first != 0 && std::isfinite(first))
        text += " (" + signedNumber((second - first) / first * 100, 1, locale) + " %)";
    return text;
}

} // namespace

std::string compareThrows(const ThrowRecord& first, const ThrowRecord& second,
                          const tk::Locale& locale) {
    return "Diferente (rand 2 fata de rand 1, in % din rand 1): " +
           difference("D", first.D, second.D, 1, "m", locale) + ", " +
           difference("H", first.H, second.H, 1, "m", locale) + ", " +
           difference("T", first.flightTime(), second.flightTime(), 2, "s", locale) + ", " +
           difference("V", first.V, second.V, 1, "m/s", locale) +
           ". Rand 1: " + throwName(first, locale) + "; rand 2: " + throwName(second, locale) + ".";
}

} // namespace lopena
