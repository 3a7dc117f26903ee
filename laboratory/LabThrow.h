#pragma once

#include "physics/Trajectory.h"
#include "toolkit/Types.h"

#include <array>
#include <optional>

namespace lopena {

// What a throw of the Laborator was: the launch, its trajectory, the vacuum one beside it when
// in air, the pupil's predictions and the trail colour. The notebook keeps these.
struct LabThrow {
    physics::Trajectory flight;
    std::optional<physics::Trajectory> vacuum;
    // D, H and T as predicted (m, m, s); nothing where the pupil predicted nothing.
    std::array<std::optional<double>, 3> predicted;
    tk::Colour colour = 0;
};

// Receives the throws of the Laborator as they fly; the lab notebook keeps them.
class LabRecorder {
public:
    virtual ~LabRecorder() = default;
    virtual void labLaunched(const LabThrow& launch) = 0;
    // A step of the flight from the model: every 0.1 s of flight, whatever the showing speed.
    virtual void labStep(const physics::State& state) = 0;
    virtual void labLanded(const LabThrow& launch) = 0;
};

} // namespace lopena
