#pragma once

#include "physics/Trajectory.h"
#include "toolkit/Locale.h"

#include <string>

namespace physics {

// The worked solution of a solved launch, as a teacher writes it on the board, in the HTML
// subset of the notebook's "Rezolvare" (fractions as tables, roots, powers), with the pupil's
// numbers in the locale's notation and every result equal to the trajectory's: vacuum (the
// horizontal and vertical throws as textbooks write them), linear drag through Lambert's W,
// quadratic drag with its method, its accuracy and the same throw in vacuum beside it.
std::string solutionHtml(const Trajectory& trajectory, const tk::Locale& locale);

// The same for a launch, or its refusal as a paragraph.
std::string solutionHtml(const Launch& launch, const tk::Locale& locale);

} // namespace physics
