#pragma once

#include "toolkit/Locale.h"

#include <string>
#include <string_view>

namespace lopena {

// The judgement of one answer against the model's value.
struct Verdict {
    enum class Mark { None, Refused, Correct, Close, Wrong };
    Mark mark = Mark::None;
    double errorPercent = 0; // the answer's difference from the value, per cent of it

    // "Corect", "Aproape: 3,0 %", "Gresit"; empty for an answer not judged.
    std::string text(const tk::Locale& locale) const;
};

// An empty box is not judged and one that is not a number is refused; a number (with a decimal
// point or comma) is "Corect" within 1 % of the value or within one unit of the last of its
// three significant digits, "Aproape" within 5 %, "Gresit" otherwise.
Verdict judge(std::string_view answer, double value);

// The value rounded to three significant digits and written so ("9,81", "10,0", "0,0123").
std::string threeDigits(double value, const tk::Locale& locale);

} // namespace lopena
