#pragma once

// What the model's source files share and nothing else needs.

#include "physics/Trajectory.h"

#include <functional>

namespace physics::detail {

// sin and cos of an angle in degrees, exact at 0 and ±90 (a vertical throw has vx = 0).
double sinDeg(double degrees);
double cosDeg(double degrees);

// The root of f in [lo, hi], f(lo) and f(hi) of opposite signs or zero, to the last bits; NaN
// when there is none or the search does not close on it.
double root(const std::function<double(double)>& f, double lo, double hi);

// The first root after lo of an f that is positive from lo to its root and not after: bracketed
// from `guess` (doubled or halved towards lo), then as root(); NaN when none is found.
double firstRoot(const std::function<double(double)>& f, double lo, double guess);

// The time of flight in vacuum of a throw at the vertical speed vy from h0, s.
double vacuumTime(double vy, double h0, double g);

// Linear drag's landing through Lambert's W: y(T) = 0 reads k·T = a + b − a·e^−kT with
// a = 1 + vy0/w and b = k·h0/w (w = g/k), whose root after the launch is k·T = a + b + W0(z),
// z = −a·e^−(a+b). W0 keeps its digits away from its branch point z = −1/e (a drag too weak to
// matter over the flight), and a + b + W0 keeps them unless it cancels (a short flight thrown
// down far faster than w); z overflows for a throw down fast and far.
struct LambertForm {
    double a, b, z, W;
    bool keepsDigits; // else T is searched as the root of y(t)
};
LambertForm lambertForm(const Launch& launch, double vy0);

// The angle in [lo, hi] degrees where f is greatest (Brent's method).
double argmax(const std::function<double(double)>& f, double lo, double hi);

// The refusal of a result that is not a finite number, blaming the input that makes it so.
Refusal notComputable(const Launch& launch);

// Quadratic drag: fills the trajectory's results and its path, or refuses.
std::optional<Refusal> solveQuadratic(Trajectory& trajectory, std::shared_ptr<const Path>& path);
State quadraticState(const Launch& launch, const Path& path, double t);

} // namespace physics::detail
