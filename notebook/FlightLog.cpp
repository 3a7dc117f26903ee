#include "notebook/FlightLog.h"

#include <cmath>

namespace lopena {

// A long flight keeps tens of thousands of steps: a step stays within one cache line.
static_assert(sizeof(FlightStep) <= 64);

bool FlightLog::append(double t, double x, double y, double vx, double vy) {
    if (steps_.size() >= maxSteps) {
        full_ = true;
        return false;
    }
    steps_.push_back({t, x, y, vx, vy, std::hypot(vx, vy)});
    // Only a strictly higher step moves the mark, so the first of equal heights keeps it.
    if (highest_ < 0 || y > steps_[static_cast<std::size_t>(highest_)].y)
        highest_ = static_cast<long>(steps_.size()) - 1;
    return true;
}

void FlightLog::landOnLog(const ExactLanding& exact) {
    landing_ = exact;
    steps_.push_back(landingAsStep(exact));
    landingLogged_ = true;
    if (highest_ < 0)
        highest_ = static_cast<long>(steps_.size()) - 1;
}

} // namespace lopena
