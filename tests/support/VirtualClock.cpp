#include "support/VirtualClock.h"

#include "toolkit/Timer.h"

#include <algorithm>

namespace tk {

void VirtualClock::start(Timer& timer) {
    stop(timer);
    entries_.push_back({&timer, now_ + timer.Interval(), nextOrder_++});
}

void VirtualClock::stop(Timer& timer) {
    std::erase_if(entries_, [&](const Entry& e) { return e.timer == &timer; });
}

void VirtualClock::advance(std::int64_t ms) {
    const std::int64_t target = now_ + ms;
    for (;;) {
        auto next =
            std::min_element(entries_.begin(), entries_.end(), [](const Entry& a, const Entry& b) {
                return a.due != b.due ? a.due < b.due : a.order < b.order;
            });
        if (next == entries_.end() || next->due > target)
            break;
        now_ = next->due;
        next->due += next->timer->Interval();
        Timer* timer = next->timer; // the tick may start or stop timers and move the entries
        timer->fire();
    }
    now_ = target;
}

} // namespace tk
