#pragma once

#include "record/ThrowRecord.h"
#include "toolkit/Locale.h"

#include <string>

namespace lopena {

// Under the history while fewer or more than two rows are chosen.
constexpr const char* historyCompareHint =
    "Alegeti doua randuri (Ctrl + clic, sau Spatiu pe fiecare) pentru a le compara.";

// Two rows of the history compared: D, H, T and V of the second minus those of the first, in
// their units and in per cent of the first ("Diferente (rand 2 fata de rand 1): ΔD = -39,6 m
// (-49,8 %), ..."), then the two throws named. A per cent is left out where the first row's
// value is 0.
std::string compareThrows(const ThrowRecord& first, const ThrowRecord& second,
                          const tk::Locale& locale);

} // namespace lopena
