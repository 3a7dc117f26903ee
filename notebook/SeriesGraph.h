#pragma once

#include "notebook/GraphAxes.h"
#include "notebook/Throw.h"
#include "toolkit/Locale.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace lopena {

// The range against the launch angle, D(alpha), of the last series of angles of the history
// (the main window's or the Laborator's): a point for each of its throws that came down, joined
// in launch order, and the best angle for the launch they share marked on it.
struct SeriesGraph {
    static constexpr const char* title = "Distanta D(unghi) a seriei";
    static constexpr const char* xTitle = "unghi (grade)";
    static constexpr const char* yTitle = "D (m)";
    static constexpr tk::Colour lineColour = tk::rgb(30, 60, 160);
    static constexpr tk::Colour bestColour = tk::rgb(200, 40, 30);

    struct Point {
        double angle; // degrees
        double D;     // m
    };
    std::vector<Point> points;
    std::optional<Point> best;
    std::string name;     // the curve's: "D(unghi): 20 m/s, h0 0 m, vid"
    std::string bestName; // the mark's: "unghi optim 45,00°, D = 40,775 m"
    AxisRange x, y;       // the angles, and 0 to beyond the longest D (the best one's)
};

// The graph of the last series in `history`: no points before any series.
SeriesGraph seriesGraph(const std::deque<Throw>& history, const tk::Locale& locale);

} // namespace lopena
