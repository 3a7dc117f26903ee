#include "toolkit/web/WebScheduler.h"

#include "toolkit/Timer.h"

#include <emscripten.h>

#include <algorithm>

namespace tkweb {

namespace {
WebScheduler* current = nullptr;
} // namespace

EM_JS(void, js_timer_start, (int id, int ms), { Module.tk.startTimer(id, ms); });
EM_JS(void, js_timer_stop, (int id), { Module.tk.stopTimer(id); });

WebScheduler::WebScheduler() {
    current = this;
}

WebScheduler* WebScheduler::instance() {
    return current;
}

WebScheduler::~WebScheduler() {
    for (std::size_t id = 0; id < timers_.size(); ++id)
        js_timer_stop(static_cast<int>(id));
    current = nullptr;
}

int WebScheduler::idOf(tk::Timer& timer) {
    auto it = std::find(timers_.begin(), timers_.end(), &timer);
    if (it == timers_.end())
        it = timers_.insert(it, &timer);
    return static_cast<int>(it - timers_.begin());
}

void WebScheduler::start(tk::Timer& timer) {
    js_timer_start(idOf(timer), timer.Interval());
}

void WebScheduler::stop(tk::Timer& timer) {
    js_timer_stop(idOf(timer));
}

void WebScheduler::fire(int id) {
    if (id >= 0 && static_cast<std::size_t>(id) < timers_.size())
        timers_[static_cast<std::size_t>(id)]->fire();
}

} // namespace tkweb
