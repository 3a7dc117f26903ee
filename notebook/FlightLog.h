#pragma once

#include <cstddef>
#include <optional>
#include <vector>

namespace lopena {

// One animation step of a flight, with the numbers the tick used; its n is its index in the log.
struct FlightStep {
    double t;  // simulated time of the step, s
    double x;  // horizontal distance from the launch point, m
    double y;  // height above the launch point, m
    double vx; // horizontal velocity, m/s (constant over a flight)
    double vy; // vertical velocity at t, m/s
    double v;  // speed at t, m/s
};

// The exact landing from the closed-form results, as the results frame rounds them.
struct ExactLanding {
    double t;         // T, s
    double x;         // D, m
    double vx, vy, v; // velocity at T, m/s
};

// The exact landing as a step: on the ground.
inline FlightStep landingAsStep(const ExactLanding& exact) {
    return {exact.t, exact.x, 0, exact.vx, exact.vy, exact.v};
}

// Every step of one flight, in order, and its exact landing once the ball is down.
class FlightLog {
public:
    // A flight that never lands stops recording when the trail would be full.
    static constexpr std::size_t maxSteps = 32766;

    // Records a step; false when the log is full, and the log then counts as cut. v is computed
    // here.
    bool append(double t, double x, double y, double vx, double vy);
    const std::vector<FlightStep>& steps() const { return steps_; }
    std::size_t size() const { return steps_.size(); }

    // Index of the highest step (the first of equals), or -1 for an empty log.
    long highestStep() const { return highest_; }
    // Index of the step on which the ball came down (the exact landing itself when it was
    // logged), or -1 while it flies, after a cut short flight, or when the log was full before
    // the landing step.
    long landingStep() const {
        return landing_ && (!full_ || landingLogged_) ? static_cast<long>(steps_.size()) - 1 : -1;
    }
    const std::optional<ExactLanding>& landing() const { return landing_; }
    // Keeps the exact landing beside the steps; the last step is the landing step unless steps
    // were left out.
    void land(const ExactLanding& exact) { landing_ = exact; }
    // Keeps the exact landing and appends it as the last step, even to a full log: for a flight
    // whose steps all come before it, so that its curves end on the ground.
    void landOnLog(const ExactLanding& exact);
    // The last step is the exact landing.
    bool landingLogged() const { return landingLogged_; }
    // Closes the log of a flight cut short: no landing step and no exact landing.
    void interrupt() { interrupted_ = true; }
    bool interrupted() const { return interrupted_; }
    // The ball came down or the flight was cut short: no further step belongs to it.
    bool ended() const { return landing_ || interrupted_; }

private:
    std::vector<FlightStep> steps_;
    std::optional<ExactLanding> landing_;
    long highest_ = -1;
    bool full_ = false;          // a step was left out
    bool landingLogged_ = false; // the last step is the exact landing
    bool interrupted_ = false;   // the flight ended without a landing
};

} // namespace lopena
