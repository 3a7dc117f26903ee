#pragma once

#include "simulation/FinalResults.h"
#include "toolkit/Types.h"

#include <optional>

namespace lopena {

// What a launch of the main window computes before it changes anything.
struct LaunchPlan {
    tk::Single angle;      // from the vertical, degrees, in single precision
    double vx, vy;         // launch components, m/s
    FinalResults results;
    tk::Single flightTime; // s, for the countdown
};

// The launch at speed v0 (m/s), `angle` degrees above the horizontal, under gravity g (m/s^2), or
// nothing when g is 0 or below (the ball would rise for ever) or any step cannot be computed.
std::optional<LaunchPlan> planLaunch(double v0, double angle, double g);

// Of a launch that cannot be computed, whether the speed is to blame rather than the gravity:
// of two boxes outside their ranges, the one farther outside.
bool speedIsToBlame(double v0, double g);

// The ball t s after the launch, m from the launch point, in single precision.
struct Position {
    tk::Single x, y;
};
// Nothing when the position no longer fits the number range.
std::optional<Position> positionAt(double t, double vx, double vy, double g);

} // namespace lopena
