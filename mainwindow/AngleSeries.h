#pragma once

#include "notebook/Notebook.h"

#include <functional>
#include <string>
#include <utility>

namespace lopena {

// The series of angles: the speed and gravity of the boxes thrown at each angle in turn, one
// throw after the landing of the one before. Any other launch ends it, as does an edit of the
// boxes or a refused launch; the notebook keeps whether one is under way and tells its views.
class AngleSeries : public NotebookListener {
public:
    // The angles of a series, degrees.
    static constexpr int angles[] = {15, 30, 45, 60, 75};

    // Writes speed, angle and gravity into the boxes and presses Start.
    using Launch = std::function<void(const std::string& speed, const std::string& angle,
                                      const std::string& gravity)>;
    // Reads the speed and gravity texts of the boxes.
    using Inputs = std::function<std::pair<std::string, std::string>()>;

    // Listens to `notebook`, which must outlive it, before any view does: a launch that ends
    // the series is told as ended before it is told as started.
    AngleSeries(Notebook& notebook, Launch launch, Inputs inputs);
    ~AngleSeries() override;
    AngleSeries(const AngleSeries&) = delete;
    AngleSeries& operator=(const AngleSeries&) = delete;

    // Starts a series with the speed and gravity of the boxes, or ends the one under way.
    void toggle();
    bool active() const { return next_ >= 0; }
    // The main window's flight came down or was cut short: the next angle, or the end.
    void flightEnded();
    // The pupil changed the speed, angle or gravity box: a series, whose throws share one speed
    // and gravity, ends. The series' own writes into the boxes do not count.
    void inputEdited();
    // A launch not of the series (Start, a repeated row, the Laborator) ends it.
    void throwStarted(const Throw& current) override;

private:
    // Launches the next angle; a refused launch ends the series.
    void launchNext();
    void end();

    Notebook& notebook_;
    Launch launch_;
    Inputs inputs_;
    int next_ = -1; // index of the next angle to launch, -1 without a series
    bool launching_ = false;
    std::string speed_, gravity_;
};

} // namespace lopena
