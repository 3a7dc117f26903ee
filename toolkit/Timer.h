#pragma once

#include <functional>
#include <string>

namespace tk {

class Scheduler;

// A periodic timer that ticks on the user-interface thread while it is enabled.
class Timer {
public:
    Timer(std::string name, int intervalMs, bool enabled);
    ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    const std::string& name() const { return name_; }
    // Milliseconds between ticks; 0 means the timer never ticks.
    int Interval() const { return interval_; }
    // A new interval while running restarts the rhythm.
    void setInterval(int ms);
    bool Enabled() const { return enabled_; }
    // Enabling a running timer keeps its rhythm; switching it off and on starts a new interval.
    void setEnabled(bool value);

    std::function<void()> onTimer;

    // Connects the timer to its scheduler; an enabled timer starts ticking.
    void attach(Scheduler* scheduler);
    // Called by the scheduler at every tick.
    void fire();

private:
    void restart();

    std::string name_;
    int interval_;
    bool enabled_;
    bool running_ = false;
    Scheduler* scheduler_ = nullptr;
};

} // namespace tk
