#pragma once

#include "toolkit/Types.h"

#include <string>

namespace lopena {

// What an accepted launch was: its inputs and results as shown, the numbers used.
struct LaunchFacts {
    // Input numbers as shown, in the locale's notation like the results; typed back into the
    // boxes they give the same numbers (to 15 significant digits).
    std::string speed, angle, gravity;
    std::string totalTime, distance, maxHeight, impactSpeed; // result numbers as shown
    double v0 = 0, angleDegrees = 0, g = 0;                  // m/s, degrees, m/s^2
    double vx = 0, vy = 0;                                   // launch components, m/s
    double T = 0, D = 0, H = 0, V = 0;                       // results as shown
    tk::Colour colour = 0;                                   // the trail colour

    // The angle the components were computed with, degrees above the horizontal: 90 minus the
    // angle from the vertical as the launch holds it, in single precision (1.09999847412109375
    // for 1.1).
    double angleFlown() const { return 90.0 - static_cast<tk::Single>(90 - angleDegrees); }
};

// Receives what the flight computes, as it computes it; the lab notebook keeps it.
class FlightRecorder {
public:
    virtual ~FlightRecorder() = default;
    // After an accepted launch, once the results are shown.
    virtual void launched(const LaunchFacts& facts) = 0;
    // After each animation step: the time and position the tick used and the gravity it read.
    virtual void stepComputed(double t, double x, double y, double g) = 0;
    // After the tick left trail dot `dotIndex` for the step just computed.
    virtual void dotAdded(tk::Integer dotIndex) = 0;
    // After the tick found the ball on the ground.
    virtual void landed() = 0;
    // After the flight ended because the ball's position no longer fits the number range.
    virtual void interrupted() = 0;
    // After the trail was cleared.
    virtual void trailCleared() = 0;
};

} // namespace lopena
