#pragma once

#include "notebook/Throw.h"
#include "laboratory/LabThrow.h"
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

// Told of every change of the notebook; the window of the notebook turns these into signals.
class NotebookListener {
public:
    virtual ~NotebookListener() = default;
    // A launch was accepted: a new row of the history, a new (empty) current log.
    virtual void throwStarted(const Throw& current) = 0;
    // Step `index` was appended to the current log.
    virtual void stepAdded(const Throw& current, std::size_t index) = 0;
    // The current flight ended: it came down (its exact landing is known, and its landing step
    // when the log held it), or it was cut short (its log says interrupted()).
    virtual void throwLanded(const Throw& current) = 0;
    // A series of angles began or ended.
    virtual void seriesChanged(bool active) = 0;
};

// The lab notebook of a run: the log of every flight, the history of throws, the links from
// trail dots to their steps, and the series of angles. Fed by the flight as it runs.
class Notebook : public FlightRecorder, public LabRecorder {
public:
    // LabRecorder: the Laborator's throws, which may fly while the main window's does.
    void labLaunched(const LabThrow& launch) override;
    void labStep(const physics::State& state) override;
    void labLanded(const LabThrow& launch) override;
    // Throws a launch of the Laborator again there; set by the main window.
    std::function<void(const physics::Launch&)> labRelaunch;
    // The locale the Laborator's numbers are written in; set when the Laborator first opens.
    tk::Locale locale;

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

    // Writes speed, angle and gravity into the boxes and presses Start; set by the window.
    std::function<void(const std::string& speed, const std::string& angle,
                       const std::string& gravity)>
        relaunch;
    // Launches the inputs of history row `row` again.
    void repeat(std::size_t row);

    // The angles of a series, degrees.
    static constexpr int seriesAngles[] = {15, 30, 45, 60, 75};
    // Reads the speed and gravity texts of the boxes; set by the window.
    std::function<std::pair<std::string, std::string>()> speedAndGravity;
    // Starts a series with the speed and gravity of the boxes, or ends the one under way.
    void toggleSeries();
    bool seriesActive() const { return seriesNext_ >= 0; }
    // The pupil changed the speed, angle or gravity box: a series, whose throws share one speed
    // and gravity, ends. The series' own writes into the boxes do not count.
    void inputEdited();

    void addListener(NotebookListener* listener);
    void removeListener(NotebookListener* listener);

private:
    // Launches the next angle of the series; a refused launch ends the series.
    void launchNextAngle();
    // Tells the listeners that the current flight ended and goes on with the series.
    void flightEnded(const Throw& flight);
    // Ends the series under way, if any, and tells the listeners.
    void endSeries();

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
    int seriesNext_ = -1; // index of the next angle to launch, -1 without a series
    bool launchingSeries_ = false;
    bool stepToLink_ = false; // the last step computed was recorded and has no dot yet
    std::string seriesSpeed_, seriesGravity_;
};

} // namespace lopena
