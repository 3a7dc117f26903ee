#pragma once

#include "physics/Trajectory.h"
#include "record/ThrowRecord.h"

namespace lopena {

// Receives the throws of the Laborator as they fly; the lab notebook keeps them.
class LabRecorder {
public:
    virtual ~LabRecorder() = default;
    virtual void labLaunched(const LabThrow& launch) = 0;
    // A step of the flight from the model: every 0.1 s of flight, whatever the showing speed.
    virtual void labStep(const physics::State& state) = 0;
    virtual void labLanded(const LabThrow& launch) = 0;
    // A series of angles began (its throws follow) or ended.
    virtual void labSeriesChanged(bool) {}
};

} // namespace lopena
