#pragma once

#include "toolkit/Locale.h"
#include "toolkit/PrintedDocument.h"

#include <cstddef>
#include <string>
#include <vector>

namespace lopena {

// What a teacher prints for a class: the chosen exercises of the bank for pupils 1 to `pupils`
// of the class code, each with the numbers the pupil gets in the window (the first variant).
struct SheetRequest {
    std::string classCode;              // as compared: "9B"
    int pupils = 0;                     // 1 to 40
    std::vector<std::size_t> exercises; // indices in the bank, in its order
};

// One sheet per pupil: the code and the number, a line for the name, then each exercise's
// statement with its numbers and a blank line for each answer, with its unit.
tk::PrintedDocument worksheet(const SheetRequest& request, const tk::Locale& locale);

// The key: for every pupil the answers of each exercise to three significant digits, then, on
// a sheet of their own, one worked solution per kind of exercise (its first exercise, pupil 1).
tk::PrintedDocument answerKey(const SheetRequest& request, const tk::Locale& locale);

} // namespace lopena
