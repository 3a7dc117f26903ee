// The scroll-bar text of every 16-bit value: a blank before zero and positive values, a minus
// before negative ones, no leading zeros, and it reads back as the value.
#include "FuzzSupport.h"

#include "toolkit/NumberParsing.h"
#include "toolkit/NumberText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2)
        return 0;
    std::int16_t value;
    std::memcpy(&value, data, 2);
    const std::string text = tk::ScrollBarText(value);
    fuzz::check(text[0] == (value < 0 ? '-' : ' '), "sign position", text);
    fuzz::check(text.size() == 2 || text[1] != '0', "no leading zeros", text);
    fuzz::check(tk::Val(text) == value, "reads back as the value", text);
    fuzz::check(tk::IsNumeric(text), "numeric", text);
    return 0;
}
