#pragma once

#include "notebook/FlightLog.h"
#include "toolkit/Types.h"

#include <string>

namespace lopena {

// One accepted launch of this run of the program: its inputs, results, colour and log.
struct Throw {
    int number = 0;        // 1 for the first launch of the run
    tk::Colour colour = 0; // the trail colour of the flight
    // The input texts as the pupil typed them.
    std::string speed, angle, gravity;
    // The numbers as the results frame shows them, without prefix or unit ("7,21").
    std::string totalTime, distance, maxHeight, impactSpeed;
    // The same, as numbers: v0 m/s, angle degrees, g m/s^2, T s, D m, H m, V m/s.
    double v0 = 0, angleDegrees = 0, g = 0, T = 0, D = 0, H = 0, V = 0;
    // Launch components, m/s.
    double vx = 0, vy = 0;
    FlightLog log;
};

} // namespace lopena
