#include "simulation/LaunchPlan.h"

#include "toolkit/Precision.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace lopena {

namespace {

constexpr double pi = 3.14159265358979;

// The ranges within which every speed computes with every gravity, at every angle: the time of
// flight 2 v sin(a) / g stays below 2E+38 s, inside single precision, and v^2 / g below 1E+58,
// far inside double precision (the distance and height). Only the time of flight ties the two
// boxes; the square of the speed fails on its own beyond 1E+154, twice the gravity beyond half
// the largest double, whatever the other box holds.
constexpr double speedCeiling = 1e20;  // m/s
constexpr double gravityFloor = 1e-18; // m/s^2
constexpr double unbounded = std::numeric_limits<double>::infinity();

// Orders of magnitude by which a value lies outside its range: 0 inside it, unbounded when it
// fails with every value of the other box.
double speedExcess(double v) {
    return std::isfinite(v * v) ? std::max(0.0, std::log10(v / speedCeiling)) : unbounded;
}
double gravityExcess(double g) {
    return g > 0 && std::isfinite(2 * g) ? std::max(0.0, std::log10(gravityFloor / g)) : unbounded;
}

} // namespace

std::optional<LaunchPlan> planLaunch(double v0, double angleText, double g) {
    const auto angle = tk::ToSingle(90 - angleText);
    if (!(g > 0) || !angle || !std::isfinite(v0))
        return std::nullopt;
    const double vx = std::sin(*angle * pi / 180) * v0;
    const double vy = std::cos(*angle * pi / 180) * v0;
    const auto results = computeFinalResults(vx, vy, g);
    const auto flightTime = results ? tk::ToSingle(results->flightTime) : std::nullopt;
    if (!flightTime)
        return std::nullopt;
    return LaunchPlan{*angle, vx, vy, *results, *flightTime};
}

bool speedIsToBlame(double v0, double g) {
    return speedExcess(v0) > gravityExcess(g);
}

std::optional<Position> positionAt(double t, double vx, double vy, double g) {
    const auto y = tk::ToSingle((-g / 2) * t * t + t * vy);
    const auto x = tk::ToSingle(t * vx);
    if (!x || !y)
        return std::nullopt;
    return Position{*x, *y};
}

} // namespace lopena
