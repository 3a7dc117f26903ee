#include "notebook/GraphAxes.h"

#include "notebook/Throw.h"

#include <algorithm>
#include <cmath>

namespace lopena {

const std::array<Graph, 4> graphs = {{
    {"Traiectoria y(x)", "x (m)", "y (m)", 1, 2},
    {"Distanta x(t)", "t (s)", "x (m)", 0, 1},
    {"Inaltimea y(t)", "t (s)", "y (m)", 0, 2},
    {"Viteza verticala vy(t)", "t (s)", "vy (m/s)", 0, 4},
}};

std::size_t graphStride(std::size_t steps) {
    std::size_t stride = 1;
    while ((steps + stride - 1) / stride > graphMaxPoints)
        stride *= 2;
    return stride;
}

std::vector<std::size_t> curveSteps(const FlightLog& log, std::size_t stride, bool withLast,
                                    std::size_t from) {
    std::vector<std::size_t> chosen;
    const std::size_t n = log.size();
    stride = std::max<std::size_t>(stride, 1);
    for (std::size_t i = (from + stride - 1) / stride * stride; i < n; i += stride)
        chosen.push_back(i);
    if (withLast && n > 0 && (n - 1) % stride != 0 && n - 1 >= from)
        chosen.push_back(n - 1);
    return chosen;
}

const std::array<GraphMarker, 2> graphMarkers = {{
    {"Punctul cel mai inalt", 0x2020d0, 11, false, &FlightLog::highestStep},
    {"Aterizare", 0xc04020, 10, true, &FlightLog::landingStep},
}};

GraphAxes fittedAxes(const Graph& graph, const std::deque<Throw>& history, bool withEarlier) {
    GraphAxes axes(graph);
    const Throw* now = history.empty() ? nullptr : &history.back();
    if (withEarlier)
        for (const Throw& flight : history)
            if (&flight != now)
                axes.take(flight.log, graphStride(flight.log.size()), true);
    if (now) {
        axes.addFlight(*now);
        axes.take(now->log, graphStride(now->log.size()), now->log.landingStep() >= 0);
        for (const GraphMarker& marker : graphMarkers)
            if (const long step = (now->log.*marker.step)(); step >= 0)
                axes.take(now->log.steps()[static_cast<std::size_t>(step)]);
    }
    axes.fit();
    return axes;
}

double stepValue(const FlightStep& step, int column) {
    switch (column) {
    case 0: return step.t;
    case 1: return step.x;
    case 2: return step.y;
    case 3: return step.vx;
    case 4: return step.vy;
    default: return step.v;
    }
}

int AxisRange::ticks() const {
    return static_cast<int>(std::lround((high - low) / step)) + 1;
}

AxisRange AxisRange::fitted(double low, double high) {
    if (!(high > low))
        high = low + 1; // [0, 1] with nothing drawn
    const double span = high - low;
    double step = std::pow(10, std::floor(std::log10(span / 6)));
    for (double times : {1, 2, 5, 10})
        if (span / (step * times) <= 6) {
            step *= times;
            break;
        }
    low = std::floor(low / step) * step;
    return {low, std::max(std::ceil(high / step) * step, low + step), step};
}

void GraphAxes::grow(double x, double y) {
    minX_ = std::min(minX_, x);
    maxX_ = std::max(maxX_, x);
    minY_ = std::min(minY_, y);
    maxY_ = std::max(maxY_, y);
}

void GraphAxes::fit() {
    x_ = AxisRange::fitted(minX_, maxX_);
    y_ = AxisRange::fitted(minY_, maxY_);
}

std::pair<double, double> GraphAxes::point(const FlightStep& step) const {
    return {stepValue(step, graph_->xColumn), stepValue(step, graph_->yColumn)};
}

void GraphAxes::take(const FlightStep& step) {
    const auto [x, y] = point(step);
    grow(x, y);
}

void GraphAxes::take(const FlightLog& log, std::size_t stride, bool withLast) {
    const auto& steps = log.steps();
    for (std::size_t i = 0; i < steps.size(); i += stride)
        take(steps[i]);
    if (withLast && !steps.empty())
        take(steps.back());
}

bool GraphAxes::add(const FlightStep& step) {
    const auto [x, y] = point(step);
    grow(x, y);
    // The ranges are rounded outwards, so most steps fall inside them and change nothing.
    bool moved = false;
    if (!x_.holds(x)) {
        x_ = AxisRange::fitted(minX_, maxX_);
        moved = true;
    }
    if (!y_.holds(y)) {
        y_ = AxisRange::fitted(minY_, maxY_);
        moved = true;
    }
    return moved;
}

void GraphAxes::addModelFlight(const Throw& flight) {
    // The Laborator's model: its start, its apex and its landing on the ground at T.
    const physics::Trajectory& model = flight.lab->flight;
    for (double t : {0.0, model.apexTime}) {
        const physics::State s = model.at(t);
        take(FlightStep{s.t, s.x, std::max(s.y, 0.0), s.vx, s.vy, std::hypot(s.vx, s.vy)});
    }
    const physics::State end = model.at(model.T);
    take(landingAsStep({model.T, model.D, end.vx, end.vy, model.V}));
}

void GraphAxes::addFlight(const Throw& flight) {
    // A flight cut short holds only what it logged: the axes fit that, not the flight computed.
    if (flight.log.interrupted())
        return take(flight.log, graphStride(flight.log.size()), true);
    if (flight.lab)
        return addModelFlight(flight);
    // The unrounded time of flight: a flight shorter than the results' 0.01 s still has one.
    const double T = flight.flightTime();
    if (!(flight.g > 0) || !std::isfinite(T) || T <= 0)
        return;
    constexpr double stepSeconds = 0.25; // simulated time from one step to the next
    // The last step logged is the first below the ground, at most a step after the landing.
    const double end = std::min(T + stepSeconds, stepSeconds * (FlightLog::maxSteps - 1));
    const double apex = flight.vy / flight.g;
    for (double t : {0.0, end, std::clamp(apex, 0.0, end)}) {
        const double vy = flight.vy - flight.g * t;
        const FlightStep step{t, flight.vx * t, (flight.vy - flight.g * t / 2) * t, flight.vx, vy,
                              std::hypot(flight.vx, vy)};
        const auto [x, y] = point(step);
        if (std::isfinite(x) && std::isfinite(y))
            grow(x, y);
    }
}

} // namespace lopena
