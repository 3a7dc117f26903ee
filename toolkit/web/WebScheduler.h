#pragma once

#include "toolkit/Scheduler.h"

#include <vector>

namespace tk {
class Timer;
}

namespace tkweb {

// Timers over the browser's setInterval: each running timer has an interval in the page, whose
// ticks come back through lopena_timer. The browser keeps them going while a dialog is open and
// may slow them in a hidden tab; a tick is then late, never lost or doubled.
class WebScheduler : public tk::Scheduler {
public:
    WebScheduler();
    // The page's scheduler, for its entry points; nullptr before it is made.
    static WebScheduler* instance();
    ~WebScheduler() override;
    void start(tk::Timer& timer) override;
    void stop(tk::Timer& timer) override;
    // Runs one tick of the timer with this id, if it still runs.
    void fire(int id);

private:
    int idOf(tk::Timer& timer);
    // By id; a stopped timer keeps its id for when it starts again.
    std::vector<tk::Timer*> timers_;
};

} // namespace tkweb
