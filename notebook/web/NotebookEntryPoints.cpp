// The functions the notebook's panel on the page calls (notebook.js): its questions, answered
// with the core's own cells, CSV, solution and graph rules, and its requests. The numbers they
// take and the layouts they hand over are declared in toolkit/web/PageBridge.h.
#include "notebook/GraphAxes.h"
#include "notebook/HistoryTable.h"
#include "notebook/SeriesGraph.h"
#include "notebook/StepTable.h"
#include "notebook/ThrowComparison.h"
#include "notebook/ThrowName.h"
#include "notebook/WorkedSolution.h"
#include "notebook/web/WebNotebook.h"
#include "toolkit/SaveFailure.h"
#include "toolkit/web/PageBridge.h"

#include <emscripten.h>

#include <cstddef>
#include <ctime>
#include <string>
#include <vector>

namespace {

using bridge::n;
using lopena::WebNotebook;

static_assert(sizeof(lopena::FlightStep) == n(bridge::StepField::Count) * sizeof(double) &&
                  offsetof(lopena::FlightStep, t) == n(bridge::StepField::T) * sizeof(double) &&
                  offsetof(lopena::FlightStep, x) == n(bridge::StepField::X) * sizeof(double) &&
                  offsetof(lopena::FlightStep, y) == n(bridge::StepField::Y) * sizeof(double) &&
                  offsetof(lopena::FlightStep, vx) == n(bridge::StepField::Vx) * sizeof(double) &&
                  offsetof(lopena::FlightStep, vy) == n(bridge::StepField::Vy) * sizeof(double) &&
                  offsetof(lopena::FlightStep, v) == n(bridge::StepField::V) * sizeof(double),
              "the page reads a step as bridge::StepField says");

std::string out; // the text last handed to the page, alive until the next

WebNotebook* shown() {
    return WebNotebook::instance();
}

const lopena::Throw* throwAt(int index) {
    return shown() ? shown()->throwAt(index) : nullptr;
}

const char* handed(std::string text) {
    out = std::move(text);
    return out.c_str();
}

} // namespace

extern "C" {
EMSCRIPTEN_KEEPALIVE void lopena_nb_opened(int open) {
    if (shown())
        shown()->setOpen(open != 0);
}
EMSCRIPTEN_KEEPALIVE int lopena_nb_rows() {
    return shown() ? static_cast<int>(shown()->rowCount()) : 0;
}
// A row as bridge::RowField lays it out.
EMSCRIPTEN_KEEPALIVE const char* lopena_nb_row(int row) {
    return handed(shown() && row >= 0 ? shown()->row(static_cast<std::size_t>(row)) : "");
}
EMSCRIPTEN_KEEPALIVE int lopena_nb_history() {
    return shown() ? static_cast<int>(shown()->notebook().history().size()) : 0;
}
EMSCRIPTEN_KEEPALIVE const char* lopena_nb_history_row(int row) {
    return handed(shown() && row >= 0 ? shown()->historyRow(static_cast<std::size_t>(row)) : "");
}
EMSCRIPTEN_KEEPALIVE double lopena_nb_history_key(int row, int column) {
    const lopena::Throw* flight = throwAt(row);
    return flight ? lopena::HistoryTable::sortKey(*flight, column) : 0;
}
// what: a bridge::NotebookText; rows and count: the chosen rows of NotebookText::CopiedRows.
EMSCRIPTEN_KEEPALIVE const char* lopena_nb_text(int what, const int* rows, int count) {
    using bridge::NotebookText;
    const auto asked = static_cast<NotebookText>(what);
    switch (asked) {
    case NotebookText::NoSolution: return handed(lopena::noSolutionText);
    case NotebookText::PrintTitle: return handed(lopena::printTitle);
    default: break;
    }
    WebNotebook* notebook = shown();
    if (!notebook)
        return handed("");
    if (asked == NotebookText::StepHeaders)
        return handed(notebook->stepHeaders());
    if (asked == NotebookText::HistoryHeaders)
        return handed(notebook->historyHeaders());
    const tk::Locale& locale = notebook->locale();
    if (asked == NotebookText::HistoryCsv)
        return handed(lopena::HistoryTable::csv(notebook->notebook().history(), locale));
    const lopena::Throw* current = notebook->notebook().current();
    if (!current)
        return handed("");
    switch (asked) {
    case NotebookText::CopiedRows: {
        std::vector<std::size_t> chosen;
        for (int i = 0; i < count; ++i)
            if (rows[i] >= 0)
                chosen.push_back(static_cast<std::size_t>(rows[i]));
        return handed(lopena::StepTable::text(*current, chosen, '\t', "\n", locale));
    }
    case NotebookText::StepsCsv: return handed(lopena::StepTable::csv(*current, locale));
    case NotebookText::Solution: return handed(lopena::solutionHtml(*current, locale));
    case NotebookText::PrintPage:
        return handed(lopena::printHtml(*current, locale, std::time(nullptr)));
    default: return handed("");
    }
}
// Why file `path` was not saved, from the page's `reason`; the file on disk was left as it was.
EMSCRIPTEN_KEEPALIVE const char* lopena_nb_save_failure(const char* path, const char* reason) {
    return handed(tk::saveFailureText(path, reason) + tk::keptFileNote);
}
// The length in bytes of the text last handed over.
EMSCRIPTEN_KEEPALIVE int lopena_nb_size() {
    return static_cast<int>(out.size());
}
EMSCRIPTEN_KEEPALIVE void lopena_nb_repeat(int row) {
    if (shown() && throwAt(row))
        shown()->notebook().repeat(static_cast<std::size_t>(row));
}
EMSCRIPTEN_KEEPALIVE int lopena_nb_series() {
    if (!shown())
        return 0;
    shown()->notebook().toggleSeries();
    return shown()->notebook().seriesActive() ? 1 : 0;
}
// Graph `graph` as bridge::GraphField lays it out.
EMSCRIPTEN_KEEPALIVE const char* lopena_nb_graph(int graph) {
    if (graph < 0 || static_cast<std::size_t>(graph) >= lopena::graphs.size())
        return handed("");
    const lopena::Graph& g = lopena::graphs[static_cast<std::size_t>(graph)];
    return handed(std::string(g.title) + '\t' + g.xTitle + '\t' + g.yTitle + '\t' +
                  std::to_string(g.xColumn) + '\t' + std::to_string(g.yColumn));
}
// Marker `marker` of the current throw as bridge::MarkerField lays it out.
EMSCRIPTEN_KEEPALIVE const char* lopena_nb_marker(int marker) {
    if (marker < 0 || static_cast<std::size_t>(marker) >= lopena::graphMarkers.size())
        return handed("");
    const lopena::GraphMarker& m = lopena::graphMarkers[static_cast<std::size_t>(marker)];
    const bridge::StepInfo step = m.step == &lopena::FlightLog::highestStep
                                      ? bridge::StepInfo::Highest
                                      : bridge::StepInfo::Landing;
    return handed(std::string(m.name) + '\t' + std::to_string(m.colour) + '\t' +
                  std::to_string(m.size) + '\t' + (m.square ? "1" : "0") + '\t' +
                  std::to_string(n(step)));
}
// A throw's name in a graph's legend.
EMSCRIPTEN_KEEPALIVE const char* lopena_nb_throw_name(int throwIndex) {
    const lopena::Throw* flight = throwAt(throwIndex);
    return handed(flight && shown() ? lopena::throwName(*flight, shown()->locale()) : "");
}
// Rows `first` and `second` of the history compared (ThrowComparison), or how to choose two.
EMSCRIPTEN_KEEPALIVE const char* lopena_nb_compare(int first, int second) {
    const lopena::Throw* a = throwAt(first);
    const lopena::Throw* b = throwAt(second);
    return handed(a && b ? lopena::compareThrows(*a, *b, shown()->locale())
                         : lopena::historyCompareHint);
}
// The graph D(alpha) of the last series: its title, axis titles, curve's name, best angle's
// name and the colours of the curve and of the mark, joined by tabs.
EMSCRIPTEN_KEEPALIVE const char* lopena_nb_series_texts() {
    using G = lopena::SeriesGraph;
    const G graph =
        shown() ? lopena::seriesGraph(shown()->notebook().history(), shown()->locale()) : G{};
    return handed(std::string(G::title) + '\t' + G::xTitle + '\t' + G::yTitle + '\t' + graph.name +
                  '\t' + graph.bestName + '\t' + std::to_string(G::lineColour) + '\t' +
                  std::to_string(G::bestColour));
}
// Its numbers: the count of points, the best angle and its D (0 and -1 for none), the axes as
// bridge::AxisField lays them out, then each point's angle and D; valid until the next call.
EMSCRIPTEN_KEEPALIVE const double* lopena_nb_series_points() {
    static std::vector<double> numbers;
    using G = lopena::SeriesGraph;
    const G graph =
        shown() ? lopena::seriesGraph(shown()->notebook().history(), shown()->locale()) : G{};
    const G::Point best = graph.best.value_or(G::Point{0, -1});
    numbers = {static_cast<double>(graph.points.size()),
               best.angle,
               best.D,
               graph.x.low,
               graph.x.high,
               graph.x.step,
               graph.y.low,
               graph.y.high,
               graph.y.step};
    for (const G::Point& p : graph.points) {
        numbers.push_back(p.angle);
        numbers.push_back(p.D);
    }
    return numbers.data();
}
// The stride of a curve of `steps` steps: it holds every stride-th step, and the last.
EMSCRIPTEN_KEEPALIVE int lopena_nb_stride(int steps) {
    return static_cast<int>(lopena::graphStride(steps > 0 ? static_cast<std::size_t>(steps) : 0));
}
// The points of graph `graph` a curve of a throw holds from step `from` on (curveSteps): their
// count, then x and y of each, doubles valid until the next call.
EMSCRIPTEN_KEEPALIVE const double* lopena_nb_curve(int throwIndex, int graph, int stride,
                                                   int withLast, int from) {
    static std::vector<double> points;
    points.assign(1, 0);
    const lopena::Throw* flight = throwAt(throwIndex);
    if (flight && graph >= 0 && static_cast<std::size_t>(graph) < lopena::graphs.size() &&
        stride > 0 && from >= 0) {
        const lopena::Graph& g = lopena::graphs[static_cast<std::size_t>(graph)];
        for (std::size_t i : lopena::curveSteps(flight->log, static_cast<std::size_t>(stride),
                                                withLast != 0, static_cast<std::size_t>(from))) {
            const lopena::FlightStep& step = flight->log.steps()[i];
            points.push_back(lopena::stepValue(step, g.xColumn));
            points.push_back(lopena::stepValue(step, g.yColumn));
        }
        points[0] = static_cast<double>((points.size() - 1) / 2);
    }
    return points.data();
}
// Fits graph `graph`'s axes to the current throw (with the earlier throws' steps if
// `withEarlier`); lopena_nb_axes() holds them.
EMSCRIPTEN_KEEPALIVE void lopena_nb_fit_graph(int graph, int withEarlier) {
    if (shown())
        shown()->fitGraph(graph >= 0 ? static_cast<std::size_t>(graph) : 0, withEarlier != 0);
}
// Takes the current throw's steps from `from` on into the axes fitted last. Returns 1 if they
// moved; lopena_nb_axes() holds them.
EMSCRIPTEN_KEEPALIVE int lopena_nb_grow_graph(int from) {
    return shown() && from >= 0 && shown()->growGraph(static_cast<std::size_t>(from)) ? 1 : 0;
}
// The axes as bridge::AxisField lays them out.
EMSCRIPTEN_KEEPALIVE const double* lopena_nb_axes() {
    static double axes[n(bridge::AxisField::Count)];
    if (shown()) {
        const auto& a = shown()->graphAxes();
        using bridge::AxisField;
        axes[n(AxisField::XLow)] = a.x().low;
        axes[n(AxisField::XHigh)] = a.x().high;
        axes[n(AxisField::XStep)] = a.x().step;
        axes[n(AxisField::YLow)] = a.y().low;
        axes[n(AxisField::YHigh)] = a.y().high;
        axes[n(AxisField::YStep)] = a.y().step;
    }
    return axes;
}
// A throw's steps as bridge::StepField lays them out, valid until its next step.
EMSCRIPTEN_KEEPALIVE const double* lopena_nb_steps(int throwIndex) {
    const lopena::Throw* flight = throwAt(throwIndex);
    return flight && flight->log.size() ? &flight->log.steps().front().t : nullptr;
}
// what: a bridge::StepInfo; -1 for no such throw or no such fact.
EMSCRIPTEN_KEEPALIVE int lopena_nb_step_info(int throwIndex, int what) {
    const lopena::Throw* flight = throwAt(throwIndex);
    if (!flight)
        return -1;
    switch (static_cast<bridge::StepInfo>(what)) {
    case bridge::StepInfo::Steps: return static_cast<int>(flight->log.size());
    case bridge::StepInfo::Highest: return static_cast<int>(flight->log.highestStep());
    case bridge::StepInfo::Landing: return static_cast<int>(flight->log.landingStep());
    case bridge::StepInfo::Colour: return static_cast<int>(flight->colour);
    case bridge::StepInfo::Number: return flight->number;
    default: return -1;
    }
}
}
