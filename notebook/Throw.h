#pragma once

#include "notebook/FlightLog.h"
#include "record/ThrowRecord.h"

namespace lopena {

// One accepted launch of this run of the program: its record, its place in the run and its log.
struct Throw : ThrowRecord {
    int number = 0; // 1 for the first launch of the run
    int series = 0; // the series of angles it was thrown in (1 for the run's first), 0 for none
    FlightLog log;
};

} // namespace lopena
