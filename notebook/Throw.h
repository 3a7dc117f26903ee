#pragma once

#include "notebook/FlightLog.h"
#include "record/ThrowRecord.h"

namespace lopena {

// One accepted launch of this run of the program: its record, its place in the run and its log.
struct Throw : ThrowRecord {
    int number = 0; // 1 for the first launch of the run
    FlightLog log;
};

} // namespace lopena
