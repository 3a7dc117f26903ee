#include "notebook/Notebook.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <limits>

namespace lopena {

namespace {

// A dot left while no step was waiting for one (before the first launch, or a step the full log
// refused) points at nothing.
constexpr std::uint32_t unlinked = std::numeric_limits<std::uint32_t>::max();

// Calls every listener registered when the notification began and still registered when its turn
// comes, so a listener may remove itself or another one from inside the call.
template <typename Call> void notify(const std::vector<NotebookListener*>& listeners, Call call) {
    const std::vector<NotebookListener*> snapshot = listeners;
    for (NotebookListener* listener : snapshot)
        if (std::find(listeners.begin(), listeners.end(), listener) != listeners.end())
            call(*listener);
}

} // namespace

void Notebook::keep(Throw flight) {
    flight.number = static_cast<int>(history_.size()) + 1;
    // A deque keeps the earlier throws where they are: listeners and dots may point at them.
    history_.push_back(std::move(flight));
    Throw& kept = history_.back();
    notify(listeners_, [&kept](NotebookListener& l) { l.throwStarted(kept); });
    // Tagged once told: a launch that ended the series (told to it first) stays out of it.
    kept.series = kept.lab ? labSeries_ : mainSeries_;
}

void Notebook::launched(const LaunchFacts& facts) {
    Throw flight;
    static_cast<LaunchFacts&>(flight) = facts;
    stepToLink_ = false;
    mainFlight_ = static_cast<long>(history_.size());
    keep(std::move(flight));
}

void Notebook::labLaunched(const LabThrow& launch) {
    Throw flight;
    static_cast<ThrowRecord&>(flight) = ThrowRecord::of(launch, locale_);
    labFlight_ = static_cast<long>(history_.size());
    keep(std::move(flight));
}

void Notebook::labStep(const physics::State& s) {
    Throw* flight = flightOf(labFlight_);
    // The step at T itself is the landing, which labLanded() logs exactly.
    if (!flight || flight->log.ended() || !(s.t < flight->T))
        return;
    // Above the ground: an integrated height a hair below it before T is the ground.
    if (!flight->log.append(s.t, s.x, std::max(s.y, 0.0), s.vx, s.vy))
        return;
    // The views show the newest throw: a step of an older one flying beside it waits there.
    if (flight == &history_.back())
        notify(listeners_, [&](NotebookListener& l) { l.stepAdded(*flight, flight->log.size() - 1); });
}

void Notebook::labLanded(const LabThrow&) {
    Throw* flight = flightOf(labFlight_);
    if (!flight || flight->log.ended())
        return;
    // The curves and the table end on the model's landing: at T, at D, on the ground.
    const physics::State end = flight->lab->flight.at(flight->T);
    flight->log.landOnLog({flight->T, flight->D, end.vx, end.vy, flight->V});
    if (flight == &history_.back())
        notify(listeners_, [&](NotebookListener& l) { l.throwLanded(*flight); });
}

void Notebook::labSeriesChanged(bool active) {
    labSeries_ = active ? ++lastSeries_ : 0;
}

void Notebook::stepComputed(double t, double x, double y, double g) {
    stepToLink_ = false; // a step left out of the log leaves its dot unlinked
    if (mainFlight_ < 0)
        return;
    Throw& flight = *flightOf(mainFlight_);
    if (flight.log.ended())
        return; // the landing step stays the last one
    // The gravity is the one the tick read, so the velocity agrees with the position it drew.
    if (!flight.log.append(t, x, y, flight.vx, flight.vy - g * t))
        return;
    stepToLink_ = true;
    const std::size_t index = flight.log.size() - 1;
    if (&flight == &history_.back())
        notify(listeners_, [&](NotebookListener& l) { l.stepAdded(flight, index); });
}

void Notebook::dotAdded(tk::Integer dotIndex) {
    if (dotIndex < 1)
        return; // dot 0 is the pattern of the trail, never left by a step
    DotLink link{unlinked, unlinked};
    if (stepToLink_ && mainFlight_ >= 0)
        link = {static_cast<std::uint32_t>(mainFlight_),
                static_cast<std::uint32_t>(flightOf(mainFlight_)->log.size() - 1)};
    stepToLink_ = false;
    // Dots are numbered 1..Count-1 without gaps, so the new one is always the last: a lower index
    // means the trail was emptied, a higher one that dots were left unseen.
    dots_.resize(static_cast<std::size_t>(dotIndex - 1), DotLink{unlinked, unlinked});
    dots_.push_back(link);
}

void Notebook::landed() {
    if (mainFlight_ < 0)
        return;
    Throw& flight = *flightOf(mainFlight_);
    if (flight.log.ended())
        return;
    // The exact landing is the one of the results frame: T and D as shown, and the velocity
    // at the landing itself (the unrounded 2vy/g), so its v is the "Viteza la impact" shown.
    const double vy = flight.vy - flight.g * flight.flightTime();
    flight.log.land({flight.T, flight.D, flight.vx, vy, flight.V});
    flightEnded(flight);
}

void Notebook::interrupted() {
    if (mainFlight_ < 0 || flightOf(mainFlight_)->log.ended())
        return;
    flightOf(mainFlight_)->log.interrupt();
    flightEnded(*flightOf(mainFlight_));
}

void Notebook::flightEnded(const Throw& flight) {
    if (&flight == &history_.back())
        notify(listeners_, [&](NotebookListener& l) { l.throwLanded(flight); });
}

void Notebook::trailCleared() {
    dots_.clear();
}

std::optional<Notebook::DotStep> Notebook::stepOfDot(tk::Integer dotIndex) const {
    if (dotIndex < 1 || static_cast<std::size_t>(dotIndex) > dots_.size())
        return std::nullopt;
    const DotLink& link = dots_[static_cast<std::size_t>(dotIndex - 1)];
    if (link.throwIndex == unlinked)
        return std::nullopt;
    return DotStep{&history_[link.throwIndex], link.step};
}

void Notebook::repeat(std::size_t row) {
    if (row < history_.size() && requests_.repeat)
        requests_.repeat(history_[row]);
}

void Notebook::toggleSeries() {
    if (requests_.toggleSeries)
        requests_.toggleSeries();
}

void Notebook::setSeriesActive(bool active) {
    if (active == seriesActive_)
        return;
    seriesActive_ = active;
    mainSeries_ = active ? ++lastSeries_ : 0;
    notify(listeners_, [active](NotebookListener& l) { l.seriesChanged(active); });
}

void Notebook::addListener(NotebookListener* listener) {
    if (listener && std::find(listeners_.begin(), listeners_.end(), listener) == listeners_.end())
        listeners_.push_back(listener);
}

void Notebook::removeListener(NotebookListener* listener) {
    std::erase(listeners_, listener);
}

} // namespace lopena
