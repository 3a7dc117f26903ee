#pragma once

#include "notebook/Throw.h"
#include "toolkit/Locale.h"

#include <ctime>
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

// What the solution's page says before the first launch.
extern const char* const noSolutionText; // "Apasati Start pentru a vedea rezolvarea."
// The printed solution's title, also its document's.
extern const char* const printTitle; // "Aruncare pe oblica - rezolvare"
// The printed solution: its title, the date `when` (local time, dd.mm.yyyy hh:mm), the throw's
// number and inputs, then the solution.
std::string printHtml(const Throw& launch, const tk::Locale& locale, std::time_t when);

} // namespace lopena
