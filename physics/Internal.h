#pragma once

// What the model's source files share and nothing else needs.

#include "physics/Trajectory.h"

#include <functional>

namespace physics::detail {

// sin and cos of an angle in degrees, exact at 0 and ±90 (a vertical throw has vx = 0).
double sinDeg(double degrees);
double cosDeg(double degrees);

// The root of f in [lo, hi], f(lo) and f(hi) of opposite signs or zero; NaN when there is none.
double root(const std::function<double(double)>& f, double lo, double hi);

// The angle in [lo, hi] degrees where f is greatest (Brent's method).
double argmax(const std::function<double(double)>& f, double lo, double hi);

// The refusal of a result that is not a finite number, blaming the input that makes it so.
Refusal notComputable(const Launch& launch);

// Quadratic drag: fills the trajectory's results and its path, or refuses.
std::optional<Refusal> solveQuadratic(Trajectory& trajectory, std::shared_ptr<const Path>& path);
State quadraticState(const Launch& launch, const Path& path, double T, double t);

} // namespace physics::detail
