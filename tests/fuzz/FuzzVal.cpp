// The leading-number rule: never crashes, never reads past the text, and agrees with a plain
// decimal reading of the part it stops at.
#include "FuzzSupport.h"

#include "toolkit/NumberParsing.h"

#include <charconv>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const double value = tk::Val(text);
    fuzz::check(!std::isnan(value), "Val is never NaN", text);

    // Blanks may stand anywhere; removing them never changes the number.
    std::string dense = text;
    std::erase_if(dense, [](char c) { return c == ' ' || c == '\t' || c == '\n'; });
    fuzz::check(tk::Val(dense) == value, "blanks are skipped", text);

    // A text that is nothing but a plain decimal number reads as that number.
    double plain = 0;
    const char* const end = dense.data() + dense.size();
    const auto read = std::from_chars(dense.data(), end, plain);
    if (read.ec == std::errc() && read.ptr == end && !dense.empty() &&
        dense.find_first_of("xXpPnNiI") == std::string::npos)
        fuzz::check(value == plain, "a plain decimal reads as itself", text);
    return 0;
}
