#pragma once

#include "notebook/Throw.h"
#include "record/LabRecorder.h"
#include "simulation/FlightRecorder.h"
#include "toolkit/Locale.h"
#include "toolkit/Types.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace lopena {

// Told of the changes of the notebook that it overrides; the window of the notebook turns these into signals.
class NotebookListener {
public:
    virtual ~NotebookListener() = default;
    // A launch was accepted: a new row of the history, a new (empty) current log.
    virtual void throwStarted(const Throw&) {}
    // Step `index` was appended to the current log.
    virtual void stepAdded(const Throw&, std::size_t) {}
    // The current flight ended: it came down (its exact landing is known, and its landing step
    // when the log held it), or it was cut short (its log says interrupted()).
    virtual void throwLanded(const Throw&) {}
    // A series of angles began or ended.
    virtual void seriesChanged(bool) {}
};

// The lab notebook of a run: the log of every flight, the history of throws, the links from
// trail dots to their steps. Fed by the windows' throws as they fly; tells its listeners.
class Notebook : public FlightRecorder, public LabRecorder {
public:
    // `locale` writes the numbers of the Laborator's throws.
    explicit Notebook(tk::Locale locale) : locale_(std::move(locale)) {}

    // LabRecorder: the Laborator's throws, which may fly while the main window's does.
    void labLaunched(const LabThrow& launch) override;
    void labStep(const physics::State& state) override;
    void labLanded(const LabThrow& launch) override;
    // The Laborator's series: its throws are tagged as one series, for the graph D(alpha).
    void labSeriesChanged(bool active) override;

    // FlightRecorder: called by the flight's handlers.
    void launched(const LaunchFacts& facts) override;
    void stepComputed(double t, double x, double y, double g) override;
    void dotAdded(tk::Integer dotIndex) override;
    void landed() override;
    void interrupted() override;
    void trailCleared() override;

    const std::deque<Throw>& history() const { return history_; }
    // The flight under way or last flown, or nullptr before the first launch.
    const Throw* current() const { return history_.empty() ? nullptr : &history_.back(); }

    // The throw and step a trail dot was left by, or nothing for an unknown dot.
    struct DotStep {
        const Throw* owner;
        std::size_t step;
    };
    std::optional<DotStep> stepOfDot(tk::Integer dotIndex) const;

    // What the views ask of the windows, which the main window answers: throw a launch of the
    // history again where it was thrown; start a series of angles, or end the one under way.
    struct Requests {
        std::function<void(const Throw&)> repeat;
        std::function<void()> toggleSeries;
    };
    void setRequests(Requests requests) { requests_ = std::move(requests); }
    // Launches the inputs of history row `row` again.
    void repeat(std::size_t row);
    void toggleSeries();
    bool seriesActive() const { return seriesActive_; }
    // The series began or ended: kept, and told to the listeners.
    void setSeriesActive(bool active);

    void addListener(NotebookListener* listener);
    void removeListener(NotebookListener* listener);

private:
    // Tells the listeners that the current flight ended.
    void flightEnded(const Throw& flight);
    // Keeps a new throw, the last of the history, and tells the listeners.
    void keep(Throw flight);

    // The throw of the main window, or of the Laborator, that steps go to; -1 for none.
    Throw* flightOf(long index) {
        return index >= 0 ? &history_[static_cast<std::size_t>(index)] : nullptr;
    }
    std::deque<Throw> history_;
    long mainFlight_ = -1, labFlight_ = -1;
    // Per trail dot (index - 1): the throw (its index in the history) and the step.
    struct DotLink {
        std::uint32_t throwIndex;
        std::uint32_t step;
    };
    std::vector<DotLink> dots_;
    std::vector<NotebookListener*> listeners_;
    Requests requests_;
    tk::Locale locale_;
    bool seriesActive_ = false;
    // The series of angles the main window's and the Laborator's next throws belong to, 0 for
    // none; the last one given.
    int mainSeries_ = 0, labSeries_ = 0, lastSeries_ = 0;
    bool stepToLink_ = false; // the last step computed was recorded and has no dot yet
};

} // namespace lopena
