#include "toolkit/Timer.h"

#include "toolkit/Scheduler.h"

namespace tk {

Timer::Timer(std::string name, int intervalMs, bool enabled)
    : name_(std::move(name)), interval_(intervalMs), enabled_(enabled) {}

Timer::~Timer() {
    attach(nullptr);
}

void Timer::restart() {
    if (!scheduler_)
        return;
    bool run = enabled_ && interval_ > 0;
    if (running_)
        scheduler_->stop(*this);
    running_ = run;
    if (run)
        scheduler_->start(*this);
}

void Timer::setInterval(int ms) {
    if (ms == interval_)
        return;
    interval_ = ms;
    restart();
}

void Timer::setEnabled(bool value) {
    if (value == enabled_)
        return;
    enabled_ = value;
    restart();
}

void Timer::attach(Scheduler* scheduler) {
    if (running_ && scheduler_)
        scheduler_->stop(*this);
    running_ = false;
    scheduler_ = scheduler;
    restart();
}

void Timer::fire() {
    if (enabled_ && running_ && onTimer)
        onTimer();
}

} // namespace tk
