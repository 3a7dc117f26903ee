#pragma once

#include "problems/Problem.h"

#include <string>
#include <vector>

namespace lopena {

// The worked solution at a grade-9 pupil's level, line by line: the givens, the formulas with
// the numbers put in, each result with its unit and three significant digits, and beside it the
// pupil's answer (`pupil[i]` for answer i; empty: none written).
std::vector<std::string> solutionLines(const Problem& problem,
                                       const std::vector<std::string>& pupil,
                                       const tk::Locale& locale);

// A number (or a blank to fill in) with an answer's unit: "2,88 s", "45,0°", "1,62" for a ratio.
std::string withUnit(const std::string& number, const char* unit);

} // namespace lopena
