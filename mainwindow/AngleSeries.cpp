#include "mainwindow/AngleSeries.h"

#include <iterator>
#include <tuple>

namespace lopena {

AngleSeries::AngleSeries(Notebook& notebook, Launch launch, Inputs inputs)
    : notebook_(notebook), launch_(std::move(launch)), inputs_(std::move(inputs)) {
    notebook_.addListener(this);
}

AngleSeries::~AngleSeries() {
    notebook_.removeListener(this);
}

void AngleSeries::toggle() {
    if (active()) {
        end();
        return;
    }
    std::tie(speed_, gravity_) = inputs_();
    next_ = 0;
    notebook_.setSeriesActive(true);
    if (active()) // a view may have ended it already
        launchNext();
}

void AngleSeries::flightEnded() {
    if (!active())
        return;
    if (static_cast<std::size_t>(next_) < std::size(angles))
        launchNext();
    else
        end();
}

void AngleSeries::inputEdited() {
    if (!launching_)
        end();
}

void AngleSeries::throwStarted(const Throw&) {
    if (!launching_)
        end();
}

void AngleSeries::launchNext() {
    const int angle = angles[next_++];
    const std::size_t before = notebook_.history().size();
    // The window launches at once: the notebook keeps the throw, or the boxes were refused.
    launching_ = true;
    launch_(speed_, std::to_string(angle), gravity_);
    launching_ = false;
    if (notebook_.history().size() == before)
        end();
}

void AngleSeries::end() {
    if (!active())
        return;
    next_ = -1;
    notebook_.setSeriesActive(false);
}

} // namespace lopena
