#pragma once

#include "notebook/Notebook.h"
#include "toolkit/Timer.h"

#include <functional>

namespace tk {
class Scheduler;
}

namespace lopena {

// What a window of the notebook is told, on the object model's timers: a throw's start and its
// landing at once (the notebook already holds the change); steps, which come ten a second,
// gathered and told four times a second, so that the views lay out and draw a few at once.
class NotebookFeed : public NotebookListener {
public:
    static constexpr int gatherMs = 250;

    // Listens to `notebook` until destroyed; both must outlive it.
    NotebookFeed(Notebook& notebook, tk::Scheduler& scheduler);
    ~NotebookFeed() override;
    NotebookFeed(const NotebookFeed&) = delete;
    NotebookFeed& operator=(const NotebookFeed&) = delete;

    // A new row of the history, which is also the new, empty current throw.
    std::function<void()> started;
    // The current throw logged more steps since the last time.
    std::function<void()> stepsArrived;
    // The current throw came down or was cut short: every step it will have is in.
    std::function<void()> landed;
    std::function<void(bool active)> seriesToggled;

    void throwStarted(const Throw& current) override;
    void stepAdded(const Throw& current, std::size_t index) override;
    void throwLanded(const Throw& current) override;
    void seriesChanged(bool active) override;

private:
    static void call(const std::function<void()>& f) {
        if (f)
            f();
    }

    Notebook& notebook_;
    tk::Timer gather_{"gatherSteps", gatherMs, false};
};

} // namespace lopena
