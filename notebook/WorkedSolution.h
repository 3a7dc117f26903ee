#pragma once

#include "notebook/Throw.h"
#include "toolkit/Locale.h"

#include <string>

namespace lopena {

// The worked solution of a launch, as a teacher writes it on the board: the data, the two
// components, then T, D, H and V, each formula with the pupil's numbers put in and the result
// rounded as the results frame rounds it.
struct WorkedSolution {
    // The numbers as written in the solution, with the locale's decimal separator; angleFlown is
    // the angle the components were computed with.
    std::string v0, angle, angleFlown, g, vx, vy;
    // Equal to the numbers of the result labels.
    std::string T, D, H, V;
};

WorkedSolution solve(const Throw& launch, const tk::Locale& locale);
// The solution as rich text (HTML subset of QTextDocument: fractions as tables, roots, powers).
std::string solutionHtml(const Throw& launch, const tk::Locale& locale);

} // namespace lopena
