#pragma once

#include "notebook/FlightLog.h"

#include <array>
#include <cstdint>
#include <deque>
#include <string>
#include <utility>
#include <vector>

namespace lopena {

struct Throw;

// A graph of the notebook: what it is called, its axes and which numbers of a step it plots.
struct Graph {
    const char* title;
    const char* xTitle;
    const char* yTitle;
    int xColumn; // of a step as t, x, y, vx, vy, v (0 to 5)
    int yColumn;
};

extern const std::array<Graph, 4> graphs;

// A curve holds at most this many points: more add nothing a screen shows, and a chart that
// redraws its curves does so at every point.
constexpr std::size_t graphMaxPoints = 1024;

// The smallest power of two that leaves at most graphMaxPoints of `steps`: a curve holds every
// stride-th step (and the last).
std::size_t graphStride(std::size_t steps);

// The steps a curve of the log holds from step `from` on: every stride-th one, and the last if
// `withLast` and it is not on the stride.
std::vector<std::size_t> curveSteps(const FlightLog& log, std::size_t stride, bool withLast,
                                    std::size_t from = 0);

// A marker of the current throw on its graph, drawn over its curve.
struct GraphMarker {
    const char* name;      // in the legend
    std::int32_t colour;   // red + 256 green + 65536 blue
    int size;              // px
    bool square;           // else a disc
    long (FlightLog::*step)() const; // the step it stands on, -1 for none
};
// The highest step, then the landing.
extern const std::array<GraphMarker, 2> graphMarkers;

// Number `column` of a step, in the order t, x, y, vx, vy, v.
double stepValue(const FlightStep& step, int column);

// An axis range widened to whole multiples of a round step (1, 2 or 5 times a power of ten)
// that cuts it into at most 6 parts, a tick on each multiple.
struct AxisRange {
    double low = 0, high = 1, step = 0.2;

    int ticks() const;
    bool holds(double value) const { return value >= low && value <= high; }
    static AxisRange fitted(double low, double high);
    bool operator==(const AxisRange&) const = default;
};

// The axes of one graph: the extent of every point drawn, the origin always included, and the
// ranges fitted to it. Ranges only grow during a throw, and move only for a point outside them,
// so that they keep still while the ball flies.
class GraphAxes {
public:
    explicit GraphAxes(const Graph& graph) : graph_(&graph) {}

    // Takes a step in; true if that moved a range.
    bool add(const FlightStep& step);
    // Takes a step into the extent alone, the ranges left to fit(): while a graph is gathered.
    void take(const FlightStep& step);
    // Takes in the throw's whole flight as computed at its launch, as far as the log reaches:
    // its start, its apex and the last step the log will hold (a Laborator's: its landing); of a
    // flight cut short, the steps it logged.
    void addFlight(const Throw& flight);
    // Takes the steps a curve of the log holds into the extent alone: every stride-th step, and
    // the last one if asked.
    void take(const FlightLog& log, std::size_t stride, bool withLast);
    // Fits both ranges to the extent: after taking in what a graph starts with.
    void fit();

    const AxisRange& x() const { return x_; }
    const AxisRange& y() const { return y_; }

private:
    void grow(double x, double y);
    // The extent of a Laborator's throw from its model: it lands at T on the ground.
    void addModelFlight(const Throw& flight);
    std::pair<double, double> point(const FlightStep& step) const;

    const Graph* graph_;
    double minX_ = 0, maxX_ = 0, minY_ = 0, maxY_ = 0;
    AxisRange x_, y_;
};

// The axes of `graph` as a window opens it: the current (last) throw's whole flight as computed
// at launch, the curve of its steps so far and its markers, and the earlier throws' curves when
// they are drawn beside it; fitted.
GraphAxes fittedAxes(const Graph& graph, const std::deque<Throw>& history, bool withEarlier);

} // namespace lopena
