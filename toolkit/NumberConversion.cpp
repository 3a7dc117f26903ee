#include "toolkit/NumberConversion.h"

#include <fast_float/fast_float.h>

#include <cstdio>

namespace tk {

double ReadDecimal(std::string_view plain) {
    double value = 0;
    fast_float::from_chars(plain.data(), plain.data() + plain.size(), value);
    return value;
}

namespace {

// printf's conversions are exact (glibc and musl alike) but write the C library's current
// decimal point, which the desktop sets from the user's locale: whatever stands between the
// digits is replaced by ".".
std::string printed(const char* format, int decimals, double value) {
    const int size = std::snprintf(nullptr, 0, format, decimals, value);
    std::string raw(static_cast<std::size_t>(size) + 1, '\0');
    std::snprintf(raw.data(), raw.size(), format, decimals, value);
    raw.pop_back();
    std::string text;
    text.reserve(raw.size());
    bool inPoint = false;
    for (char c : raw) {
        const bool own = (c >= '0' && c <= '9') || c == '-' || c == '+' || c == 'e';
        if (own)
            text += c;
        else if (!inPoint)
            text += '.';
        inPoint = !own;
    }
    return text;
}

} // namespace

std::string WriteScientific(double value, int decimals) {
    return printed("%.*e", decimals, value);
}

std::string WriteFixed(double value, int decimals) {
    return printed("%.*f", decimals, value);
}

} // namespace tk
