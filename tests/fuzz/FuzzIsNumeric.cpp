// The numeric test: never crashes; on plain decimal texts it agrees with the leading number
// (numeric exactly when the value is finite, and then the same value); whatever it accepts in a
// "." locale without grouping has a finite leading number.
#include "FuzzSupport.h"

#include "toolkit/NumberParsing.h"

#include <charconv>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const bool inC = tk::IsNumeric(text, tk::Locale::c());
    const bool inRomanian = tk::IsNumeric(text, tk::Locale::romanian());
    (void)inRomanian;

    // Plain decimal: optional minus, digits, optional point and digits, optional exponent.
    bool plainText = !text.empty();
    bool digits = false;
    std::size_t i = 0;
    if (i < text.size() && text[i] == '-')
        ++i;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        digits = true;
    if (i < text.size() && text[i] == '.')
        for (++i; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
            digits = true;
    if (i < text.size() && text[i] == 'e') {
        ++i;
        if (i < text.size() && text[i] == '-')
            ++i;
        bool exponent = false;
        for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
            exponent = true;
        plainText = plainText && exponent;
    }
    plainText = plainText && digits && i == text.size();
    if (plainText) {
        const double value = tk::Val(text);
        fuzz::check(inC == std::isfinite(value), "numeric exactly when the value is finite", text);
    }
    if (inC && text.find(',') == std::string::npos && text.find('&') == std::string::npos)
        fuzz::check(std::isfinite(tk::Val(text)), "a numeric text has a finite leading number",
                    text);
    return 0;
}
