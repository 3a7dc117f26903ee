#include "notebook/SeriesGraph.h"

#include "notebook/ThrowName.h"
#include "toolkit/NumberText.h"

#include <algorithm>

namespace lopena {

namespace {

// The best angle for the series' launch: the Laborator's model (its search in air), or a main
// window's throw from the ground in vacuum.
std::optional<SeriesGraph::Point> bestOf(const Throw& flight) {
    physics::Launch launch;
    if (flight.lab) {
        launch = flight.lab->flight.launch;
    } else {
        launch.v0 = flight.v0;
        launch.g = flight.g;
    }
    const auto best = physics::bestAngle(launch);
    return best ? std::optional(SeriesGraph::Point{best->angle, best->D}) : std::nullopt;
}

} // namespace

SeriesGraph seriesGraph(const std::deque<Throw>& history, const tk::Locale& locale) {
    SeriesGraph graph;
    const auto last =
        std::find_if(history.rbegin(), history.rend(), [](const Throw& t) { return t.series > 0; });
    const int series = last == history.rend() ? 0 : last->series;
    for (const Throw& flight : history)
        if (series > 0 && flight.series == series && flight.log.landing())
            graph.points.push_back({flight.angleDegrees, flight.D});
    if (!graph.points.empty()) {
        graph.best = bestOf(*last);
        graph.name = "D(unghi): " + launchNameWithoutAngle(*last, locale);
    }
    double low = 90, high = 0, longest = 0;
    auto take = [&](const SeriesGraph::Point& p) {
        low = std::min(low, p.angle);
        high = std::max(high, p.angle);
        longest = std::max(longest, p.D);
    };
    std::for_each(graph.points.begin(), graph.points.end(), take);
    if (graph.best) {
        take(*graph.best);
        graph.bestName = "unghi optim " + tk::FixedNumber(graph.best->angle, 2, locale) +
                         "\xC2\xB0, D = " + tk::FixedNumber(graph.best->D, 3, locale) + " m";
    }
    graph.x = graph.points.empty() ? AxisRange::fitted(0, 90) : AxisRange::fitted(low, high);
    graph.y = AxisRange::fitted(0, longest * 1.05); // room above the best angle's mark
    return graph;
}

} // namespace lopena
