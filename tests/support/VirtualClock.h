#pragma once

#include "toolkit/Scheduler.h"

#include <cstdint>
#include <vector>

namespace tk {

// A deterministic scheduler for tests: time moves only when advance() is called.
// Ticks due at the same moment run in the order in which their timers were started
// (the earliest start first); a timer started during a tick is first due one interval later.
class VirtualClock : public Scheduler {
public:
    void start(Timer& timer) override;
    void stop(Timer& timer) override;

    // Runs every tick due within the next `ms` milliseconds, in time order.
    void advance(std::int64_t ms);
    std::int64_t now() const { return now_; }

private:
    struct Entry {
        Timer* timer;
        std::int64_t due;
        std::uint64_t order;
    };
    std::vector<Entry> entries_;
    std::int64_t now_ = 0;
    std::uint64_t nextOrder_ = 0;
};

} // namespace tk
