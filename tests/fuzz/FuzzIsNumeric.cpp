// The numeric test: never crashes; on plain decimal texts it agrees with the leading number
// (numeric exactly when the value is finite); whatever it accepts has a finite leading number.
#include "FuzzSupport.h"

#include "toolkit/NumberParsing.h"

#include <charconv>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const bool numeric = tk::IsNumeric(text);
    if (numeric)
        fuzz::check(std::isfinite(tk::Val(text)), "a numeric text has a finite leading number",
                    text);

    // Plain decimal: a decimal reading takes the whole text, and it spells no infinity or NaN.
    double ignored = 0;
    const char* const end = text.data() + size;
    if (size > 0 && std::from_chars(text.data(), end, ignored).ptr == end &&
        text.find_first_of("iInN") == std::string::npos)
        fuzz::check(numeric == std::isfinite(tk::Val(text)),
                    "numeric exactly when the value is finite", text);
    return 0;
}
