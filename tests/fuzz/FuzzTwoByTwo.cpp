// The pattern "0#.00": at least two digits before the separator, exactly two after it, a minus
// sign only for a value that does not round to zero, and within half a hundredth of the value.
#include "FuzzSupport.h"

#include "toolkit/NumberParsing.h"
#include "toolkit/NumberText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 8)
        return 0;
    const double x = fuzz::doubleFrom(data);
    if (!std::isfinite(x))
        return 0;
    const std::string text = tk::FormatTwoByTwo(x, tk::Locale::c());
    const std::size_t point = text.find('.');
    fuzz::check(point != std::string::npos && text.size() - point - 1 == 2, "two decimals", text);
    const std::size_t start = text[0] == '-' ? 1 : 0;
    fuzz::check(point - start >= 2, "two digits before the separator", text);
    const double back = tk::Val(text);
    if (text[0] == '-')
        fuzz::check(back != 0, "no minus before zero", text);
    if (std::fabs(x) < 1e15)
        fuzz::check(std::fabs(back - x) <= 0.005 + 1e-9 * std::fabs(x), "within half a hundredth",
                    text);
    const std::string romanian = tk::FormatTwoByTwo(x, tk::Locale::romanian());
    fuzz::check(romanian.find(',') == point && romanian.size() == text.size(),
                "the Romanian text has its comma in place", romanian);
    return 0;
}
