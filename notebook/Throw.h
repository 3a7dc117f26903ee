#pragma once

#include "laboratory/LabThrow.h"
#include "notebook/FlightLog.h"
#include "simulation/FlightRecorder.h"

#include <memory>

namespace lopena {

// One accepted launch of this run of the program: what the launch was (inputs as typed, results
// as shown, the numbers used, the trail colour), its place in the run and its log.
struct Throw : LaunchFacts {
    int number = 0; // 1 for the first launch of the run
    FlightLog log;
    // A throw of the Laborator: its launch, trajectory and predictions; nullptr for the main
    // window's. Its log's y is the height above the ground.
    std::shared_ptr<const LabThrow> lab;
    bool inAir() const { return lab && lab->flight.launch.medium != physics::Medium::Vacuum; }
    // The time of flight unrounded, s: the main window's results show T to 0.01 s only.
    double flightTime() const { return lab ? T : 2 * vy / g; }
};

} // namespace lopena
