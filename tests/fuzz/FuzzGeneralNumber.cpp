// The general number text of a finite double: at most 15 significant digits, no trailing zeros,
// reads back within half a unit of its 15th digit, and its leading number is the double rounded
// to 15 digits; the Romanian text is the same with a comma.
#include "FuzzSupport.h"

#include "toolkit/NumberParsing.h"
#include "toolkit/NumberText.h"

#include <algorithm>
#include <cctype>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const double x = size < 8 ? 0 : fuzz::doubleFrom(data);
    const std::string text = tk::GeneralNumber(x, tk::Locale::c());
    if (size < 8 || !std::isfinite(x))
        return 0;
    const std::string mantissa = text.substr(0, text.find('E'));
    const auto first = std::min(mantissa.find_first_of("123456789"), mantissa.size());
    fuzz::check(std::count_if(mantissa.begin() + first, mantissa.end(), ::isdigit) <= 15,
                "at most 15 significant digits", text);
    if (mantissa.find('.') != std::string::npos)
        fuzz::check(mantissa.back() != '0', "no trailing zeros", text);
    fuzz::check(text.find(',') == std::string::npos, "no grouping", text);

    char rounded[64];
    std::snprintf(rounded, sizeof rounded, "%.14e", x);
    const double back = tk::Val(text);
    fuzz::check(back == std::strtod(rounded, nullptr) || (x == 0 && back == 0),
                "the leading number is the double to 15 digits",
                text + " read as " + std::to_string(back) + ", expected " + rounded);

    std::string romanian = tk::GeneralNumber(x, tk::Locale::romanian());
    std::replace(romanian.begin(), romanian.end(), ',', '.');
    fuzz::check(romanian == text, "the Romanian text differs only in its separator", text);
    return 0;
}
