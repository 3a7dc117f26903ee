#pragma once

#include "record/ThrowRecord.h"
#include "toolkit/Types.h"

namespace lopena {

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
