#pragma once

#include "toolkit/Scheduler.h"

#include <QObject>
#include <QTimer>

#include <memory>
#include <unordered_map>

namespace tkqt {

// Runs the model's timers on Qt's event loop with precise timers, so a flight keeps time.
class QtScheduler : public tk::Scheduler {
public:
    void start(tk::Timer& timer) override;
    void stop(tk::Timer& timer) override;

private:
    std::unordered_map<tk::Timer*, std::unique_ptr<QTimer>> timers_;
};

} // namespace tkqt
