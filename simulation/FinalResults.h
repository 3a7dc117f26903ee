#pragma once

#include <optional>

namespace lopena {

// The closed-form results of one throw on level ground, already rounded for display.
struct FinalResults {
    double totalTime;   // s, to 2 decimals
    double distance;    // m, to 3 decimals
    double maxHeight;   // m, to 3 decimals
    double impactSpeed; // m/s, unrounded
    double flightTime;  // s, unrounded, for the countdown
};

// Results for launch components vx, vy (m/s) under gravity g (m/s^2); nothing when g is 0 or
// any step divides by zero, overflows or is invalid.
std::optional<FinalResults> computeFinalResults(double vx, double vy, double g);

} // namespace lopena
