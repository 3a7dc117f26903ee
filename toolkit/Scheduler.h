#pragma once

namespace tk {

class Timer;

// Runs the ticks of enabled timers; the real one sits on the event loop, tests use a virtual clock.
class Scheduler {
public:
    virtual ~Scheduler() = default;
    // Begins a fresh interval for the timer.
    virtual void start(Timer& timer) = 0;
    virtual void stop(Timer& timer) = 0;
};

} // namespace tk
