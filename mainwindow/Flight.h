#pragma once

#include "toolkit/Random.h"
#include "toolkit/Types.h"

#include <array>
#include <optional>
#include <string>

namespace tk {
class Platform;
}

namespace lopena {

class MainLayout;
class FlightRecorder;

// The input texts of an accepted launch, as they stood when Start accepted them.
struct LaunchTexts {
    std::string speed, angle, radius, gravity;
};

// The flight of the ball: the main window's handlers that launch, move, pause and time the ball
// and show its results, over the model of the flight (simulation/), and the state they keep.
class Flight {
public:
    Flight(MainLayout& window, tk::Platform& platform);
    virtual ~Flight() = default;

    // Where the flight stands; Stop / Reia shows the phase, and pauses or resumes by it.
    enum class Phase { Ready, Flying, Paused, Down };

    // Start: checks the inputs, then places the ball, starts the timers and shows the results.
    // A launch whose numbers cannot be computed changes nothing and tells the pupil why.
    void cmdFire_Click();
    // Writes the four closed-form results of the current launch into the results frame.
    void FinalCalc();
    // Animation tick, every 100 ms: +0.25 s of flight, a trail dot, the landing.
    void Timer1_Timer();
    // Stop / Reia: pauses and resumes the animation and the countdown.
    void Command1_Click();
    // Coordinate display, every 10 ms, in metres from the launch point.
    void Timer2_Timer();
    // Countdown, every 200 ms: -0.5 s of flight time.
    void Timer3_Timer();

    // Launch speed, horizontal and vertical components, m/s.
    std::array<double, 3> dblVelocity{};
    // (1) x and (2) y of the ball from the launch point, m; (0) unused.
    std::array<tk::Single, 3> sngPosition{};
    // Launch direction from the vertical, degrees.
    tk::Single sngAngle = 0;
    // Simulated time since the launch, s.
    tk::Single sngTime = 0;
    // Predicted time of flight, s.
    tk::Single sngFlightTime = 0;
    // Flight time still to count down, s.
    double dblTimeLeft = 0;

    // The inputs of the last accepted launch; nothing before the first one.
    std::optional<LaunchTexts> launchedTexts;

    // Shown to the pupil when the gravity makes the throw impossible to compute.
    static const char* const gravityRefusal;
    static const char* const speedRefusal;

    // Receives every launch, step, dot and landing; nullptr records nothing.
    void setRecorder(FlightRecorder* recorder) { recorder_ = recorder; }

protected:
    FlightRecorder* recorder() const { return recorder_; }
    // Called last when a flight came down or was cut short, after the recorder was told.
    virtual void flightEnded() {}

private:
    // Ends a flight whose next position cannot be computed, as a landing without its texts: the
    // clock stops at "0.00 sec" and the recorder is told.
    void abortFlight();
    // The ball is on the ground: the timers stop and the coordinates show the landing.
    void land();

    MainLayout& w_;
    tk::Platform& platform_;
    tk::Random random_;
    FlightRecorder* recorder_ = nullptr;
    Phase phase_ = Phase::Ready;
    double landingX_ = 0; // the distance the results frame shows, m
};

} // namespace lopena
