#include "toolkit/qt/QtScheduler.h"

#include "toolkit/Timer.h"

namespace tkqt {

void QtScheduler::start(tk::Timer& timer) {
    auto& qtimer = timers_[&timer];
    if (!qtimer) {
        qtimer = std::make_unique<QTimer>();
        qtimer->setTimerType(Qt::PreciseTimer);
        QObject::connect(qtimer.get(), &QTimer::timeout, [t = &timer] { t->fire(); });
    }
    qtimer->start(timer.Interval());
}

void QtScheduler::stop(tk::Timer& timer) {
    auto it = timers_.find(&timer);
    if (it != timers_.end())
        it->second->stop();
}

} // namespace tkqt
