#include "toolkit/NumberParsing.h"

#include "toolkit/NumberConversion.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>

namespace tk {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

int digitValue(char c, int radix) {
    int v = -1;
    if (isDigit(c))
        v = c - '0';
    else if (c >= 'a' && c <= 'f')
        v = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        v = c - 'A' + 10;
    return v >= 0 && v < radix ? v : -1;
}

// Reads the digits of an &H or &O integer from `s` at `pos`. Up to 16 bits of digits make a
// 16-bit two's-complement value and up to 32 bits a 32-bit one (so &HFFFF is -1), as the
// integer types of these forms do; longer forms keep their plain value.
// Returns false when there is no digit at all.
bool readRadixInteger(std::string_view s, std::size_t pos, int radix, double& value) {
    const int bitsPerDigit = radix == 16 ? 4 : 3;
    double plain = 0;
    int significantBits = 0;
    std::uint64_t low = 0; // the value modulo 2^64, enough for the 16 and 32-bit cases
    bool any = false;
    for (; pos < s.size(); ++pos) {
        int d = digitValue(s[pos], radix);
        if (d < 0)
            break;
        any = true;
        plain = plain * radix + d;
        low = low * static_cast<unsigned>(radix) + static_cast<unsigned>(d);
        if (significantBits > 0 || d != 0)
            significantBits = significantBits > 0
                                  ? significantBits + bitsPerDigit
                                  : static_cast<int>(std::bit_width(static_cast<unsigned>(d)));
    }
    if (!any)
        return false;
    if (significantBits <= 16)
        value = static_cast<std::int16_t>(static_cast<std::uint16_t>(low));
    else if (significantBits <= 32)
        value = static_cast<std::int32_t>(static_cast<std::uint32_t>(low));
    else
        value = plain;
    return true;
}

// ".5" and "-.5" as "0.5" and "-0.5", which the conversion requires.
std::string withLeadingZero(const std::string& number) {
    if (number.front() == '.')
        return "0" + number;
    if (number.size() > 1 && number[0] == '-' && number[1] == '.')
        return "-0" + number.substr(1);
    return number;
}

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// What the decimal scanner read: the number in the conversion's own spelling.
struct DecimalScan {
    std::string number;        // "[-]digits[.digits][e[-]digits]"
    std::size_t end = 0;       // where reading stopped
    bool digits = false;       // at least one digit of mantissa
    bool openExponent = false; // an E or D without digits after it
};

// Reads an optional sign, digits, one decimal point ("." or ",", whatever the locale: pupils
// write either) and an exponent after E or D, stopping at the first character that cannot
// continue the number. No digit grouping is ever read.
DecimalScan scanDecimal(std::string_view s, bool blanksAfterSign) {
    DecimalScan r;
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        if (s[i] == '-')
            r.number += '-';
        ++i;
        while (blanksAfterSign && i < s.size() && isBlank(s[i]))
            ++i;
    }
    for (; i < s.size() && isDigit(s[i]); ++i, r.digits = true)
        r.number += s[i];
    if (i < s.size() && (s[i] == '.' || s[i] == ',')) {
        r.number += '.';
        for (++i; i < s.size() && isDigit(s[i]); ++i, r.digits = true)
            r.number += s[i];
    }
    r.end = i;
    if (!r.digits || i >= s.size() || (s[i] != 'E' && s[i] != 'e' && s[i] != 'D' && s[i] != 'd'))
        return r;
    std::size_t j = i + 1;
    std::string exponent = "e";
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) {
        if (s[j] == '-')
            exponent += '-';
        ++j;
    }
    if (j >= s.size() || !isDigit(s[j])) {
        r.openExponent = true;
        return r;
    }
    for (; j < s.size() && isDigit(s[j]); ++j)
        exponent += s[j];
    r.number += exponent;
    r.end = j;
    return r;
}

// The radix of an "&H" or "&O" prefix, or 0.
int radixOf(std::string_view s) {
    if (s.size() < 2 || s[0] != '&')
        return 0;
    if (s[1] == 'H' || s[1] == 'h')
        return 16;
    if (s[1] == 'O' || s[1] == 'o')
        return 8;
    return 0;
}

} // namespace

double Val(std::string_view text) {
    std::string s;
    s.reserve(text.size());
    for (char c : text)
        if (c != ' ' && c != '\t' && c != '\n')
            s += c;

    if (s.size() >= 2 && s[0] == '&') {
        double value = 0;
        // A form too long for a double reads as no number rather than an infinity.
        if (const int radix = radixOf(s); radix && readRadixInteger(s, 2, radix, value))
            return std::isfinite(value) ? value : 0;
        return 0;
    }
    const DecimalScan scan = scanDecimal(s, false);
    return scan.digits ? ReadDecimal(withLeadingZero(scan.number)) : 0;
}

namespace {

// The value of a whole text that has the form of a number, blanks around it ignored; an
// infinity when its magnitude is beyond a double; nothing when it is not a number.
std::optional<double> wholeNumber(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    if (text.empty())
        return std::nullopt;

    if (const int radix = radixOf(text)) {
        double value = 0;
        for (char c : text.substr(2))
            if (digitValue(c, radix) < 0)
                return std::nullopt;
        if (!readRadixInteger(text, 2, radix, value))
            return std::nullopt;
        return value;
    }
    if (text[0] == '&')
        return std::nullopt;
    // "2," and "2." are numbers: a pupil types them on the way to "2,5".
    const DecimalScan scan = scanDecimal(text, true);
    if (!scan.digits || scan.openExponent || scan.end != text.size())
        return std::nullopt;
    return ReadDecimal(withLeadingZero(scan.number));
}

} // namespace

bool IsNumeric(std::string_view text) {
    const auto value = wholeNumber(text);
    return value && std::isfinite(*value);
}

bool IsTooLarge(std::string_view text) {
    const auto value = wholeNumber(text);
    return value && !std::isfinite(*value);
}

} // namespace tk
