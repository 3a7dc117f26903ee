#pragma once

#include "notebook/FlightLog.h"
#include "simulation/FlightRecorder.h"

namespace lopena {

// One accepted launch of this run of the program: what the launch was (inputs as typed, results
// as shown, the numbers used, the trail colour), its place in the run and its log.
struct Throw : LaunchFacts {
    int number = 0; // 1 for the first launch of the run
    FlightLog log;
};

} // namespace lopena
