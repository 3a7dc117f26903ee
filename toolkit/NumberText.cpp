#include "toolkit/NumberText.h"

#include "toolkit/NumberConversion.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace tk {

std::string FixedNumber(double value, int decimals, const Locale& locale) {
    if (!std::isfinite(value))
        return GeneralNumber(value, locale);
    std::string text = WriteFixed(value, decimals);
    if (text.front() == '-' && text.find_first_not_of("-0.") == std::string::npos)
        text.erase(0, 1);
    if (const auto point = text.find('.'); point != std::string::npos)
        text.replace(point, 1, locale.decimalSeparator);
    return text;
}

std::string GeneralNumber(double value, const Locale& locale) {
    if (std::isnan(value))
        return "NaN";
    if (std::isinf(value))
        return value < 0 ? "-Infinity" : "Infinity";
    if (value == 0)
        return "0";

    // Locale-independent: d.dddddddddddddde[+-]xx, correctly rounded to 15 significant digits.
    const std::string scientific = WriteScientific(std::fabs(value), 14);
    const char* buffer = scientific.c_str();
    std::string digits;
    digits += buffer[0];
    digits.append(buffer + 2, 14);
    int exponent = std::atoi(buffer + 17);
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    std::string text = value < 0 ? "-" : "";
    if (exponent >= 15 || exponent <= -5) {
        text += digits[0];
        if (digits.size() > 1)
            text += locale.decimalSeparator + digits.substr(1);
        char e[16];
        std::snprintf(e, sizeof e, "E%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
        text += e;
    } else if (exponent >= 0) {
        auto whole = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= whole) {
            text += digits + std::string(whole - digits.size(), '0');
        } else {
            text += digits.substr(0, whole) + locale.decimalSeparator + digits.substr(whole);
        }
    } else {
        text += "0" + locale.decimalSeparator +
                std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    }
    return text;
}

std::string FormatTwoByTwo(double value, const Locale& locale) {
    if (!std::isfinite(value))
        return GeneralNumber(value, locale);
    const std::string fixed = WriteFixed(std::fabs(value), 2);
    const std::string_view digits(fixed);
    const std::size_t point = digits.find('.');
    std::string number = point == 1 ? "0" : "";
    number += digits.substr(0, point);
    number += locale.decimalSeparator;
    number += digits.substr(point + 1);
    bool zero = number.find_first_not_of("0.,") == std::string::npos &&
                number.find_first_of("123456789") == std::string::npos;
    return value < 0 && !zero ? "-" + number : number;
}

std::string ScrollBarText(Integer value) {
    std::string digits = std::to_string(value);
    return value < 0 ? digits : " " + digits;
}

} // namespace tk
