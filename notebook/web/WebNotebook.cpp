#include "notebook/web/WebNotebook.h"

#include "mainwindow/frmmain.h"
#include "notebook/HistoryTable.h"
#include "notebook/StepTable.h"
#include "notebook/WorkedSolution.h"

#include <emscripten.h>

#include <vector>

namespace lopena {

EM_JS(void, js_nb_show, (const char* separator),
      { window.lopenaNotebook(Module, UTF8ToString(separator)); });
EM_JS(void, js_nb_started, (), { Module.notebook.started(); });
EM_JS(void, js_nb_step, (int rows, int highest), { Module.notebook.step(rows, highest); });
EM_JS(void, js_nb_landed, (), { Module.notebook.landed(); });
EM_JS(void, js_nb_series, (int active), { Module.notebook.series(active); });

static_assert(sizeof(FlightStep) == 6 * sizeof(double), "the page reads steps as 6 doubles");

namespace {

WebNotebook* shown = nullptr;
std::string out; // the text last handed to the page, alive until the next

std::string escaped(const std::string& text) {
    std::string html;
    for (char c : text)
        html += c == '<' ? "&lt;" : c == '>' ? "&gt;" : c == '&' ? "&amp;" : std::string(1, c);
    return html;
}

const Throw* throwAt(int index) {
    const auto& history = shown->notebook().history();
    return index >= 0 && static_cast<std::size_t>(index) < history.size()
               ? &history[static_cast<std::size_t>(index)]
               : nullptr;
}

} // namespace

WebNotebook::WebNotebook(frmmain& window, const tk::Locale& locale)
    : window_(window), notebook_(window.notebook), locale_(locale) {
    shown = this;
    notebook_.addListener(this);
    window.showNotebook = [this] {
        open_ = true;
        js_nb_show(locale_.decimalSeparator.c_str());
    };
}

WebNotebook::~WebNotebook() {
    notebook_.removeListener(this);
    window_.showNotebook = nullptr;
    shown = nullptr;
}

void WebNotebook::throwStarted(const Throw&) {
    if (open_)
        js_nb_started();
}

void WebNotebook::stepAdded(const Throw& current, std::size_t) {
    if (open_)
        js_nb_step(static_cast<int>(StepTable::rowCount(current)),
                   static_cast<int>(current.log.highestStep()));
}

void WebNotebook::throwLanded(const Throw&) {
    if (open_)
        js_nb_landed();
}

void WebNotebook::seriesChanged(bool active) {
    if (open_)
        js_nb_series(active ? 1 : 0);
}

std::size_t WebNotebook::rowCount() const {
    const Throw* current = notebook_.current();
    return current ? StepTable::rowCount(*current) : 0;
}

std::string WebNotebook::row(std::size_t index) const {
    const Throw* current = notebook_.current();
    if (!current || index >= StepTable::rowCount(*current))
        return {};
    std::string fields;
    for (int column = 0; column < StepTable::columnCount; ++column)
        fields += StepTable::cell(*current, index, column, locale_) + '\t';
    return fields + StepTable::mark(*current, index) + '\t' +
           (StepTable::isClosingRow(*current, index) ? "1" : "0");
}

std::string WebNotebook::historyRow(std::size_t index) const {
    const auto& history = notebook_.history();
    if (index >= history.size())
        return {};
    std::string fields = std::to_string(history[index].colour);
    for (int column = 1; column < HistoryTable::columnCount; ++column)
        fields += '\t' + HistoryTable::cell(history[index], column);
    return fields;
}

std::string WebNotebook::printHeading() const {
    const Throw* current = notebook_.current();
    if (!current)
        return {};
    return "<p>Aruncarea " + std::to_string(current->number) + ": v<sub>0</sub> = " +
           escaped(current->speed) + " m/s, unghiul = " + escaped(current->angle) +
           " grade, g = " + escaped(current->gravity) + " m/s<sup>2</sup></p>";
}

void WebNotebook::fitGraph(std::size_t graph, bool withEarlier) {
    graph_ = graph < graphs.size() ? graph : 0;
    withEarlier_ = withEarlier;
    axes_ = GraphAxes(graphs[graph_]);
    const Throw* now = notebook_.current();
    if (withEarlier)
        for (const Throw& flight : notebook_.history())
            if (&flight != now)
                axes_.take(flight.log, graphStride(flight.log.size()), true);
    if (now) {
        axes_.addFlight(*now);
        axes_.take(now->log, graphStride(now->log.size()), now->log.landingStep() >= 0);
        for (long marked : {now->log.highestStep(), now->log.landingStep()})
            if (marked >= 0)
                axes_.take(now->log.steps()[static_cast<std::size_t>(marked)]);
    }
    axes_.fit();
}

bool WebNotebook::growGraph(std::size_t from) {
    const Throw* now = notebook_.current();
    if (now && now->log.interrupted()) {
        // Cut short: the axes fit the steps it logged, far short of the computed flight.
        const GraphAxes before = axes_;
        fitGraph(graph_, withEarlier_);
        return !(axes_.x() == before.x() && axes_.y() == before.y());
    }
    bool moved = false;
    for (std::size_t i = from; now && i < now->log.size(); ++i)
        moved = axes_.add(now->log.steps()[i]) || moved;
    return moved;
}

} // namespace lopena

using lopena::shown;

// The panel's questions and requests.
extern "C" {
EMSCRIPTEN_KEEPALIVE void lopena_nb_opened(int open) {
    if (shown)
        shown->setOpen(open != 0);
}
EMSCRIPTEN_KEEPALIVE int lopena_nb_rows() {
    return shown ? static_cast<int>(shown->rowCount()) : 0;
}
EMSCRIPTEN_KEEPALIVE const char* lopena_nb_row(int row) {
    lopena::out = shown && row >= 0 ? shown->row(static_cast<std::size_t>(row)) : "";
    return lopena::out.c_str();
}
EMSCRIPTEN_KEEPALIVE int lopena_nb_history() {
    return shown ? static_cast<int>(shown->notebook().history().size()) : 0;
}
EMSCRIPTEN_KEEPALIVE const char* lopena_nb_history_row(int row) {
    lopena::out = shown && row >= 0 ? shown->historyRow(static_cast<std::size_t>(row)) : "";
    return lopena::out.c_str();
}
EMSCRIPTEN_KEEPALIVE double lopena_nb_history_key(int row, int column) {
    const lopena::Throw* flight = shown ? lopena::throwAt(row) : nullptr;
    return flight ? lopena::HistoryTable::sortKey(*flight, column) : 0;
}
// what: 0 the given step rows with a header, tab-separated (the clipboard's), 1 the step table
// as CSV, 2 the history as CSV, 3 the worked solution as HTML, 4 the printed solution's heading.
EMSCRIPTEN_KEEPALIVE const char* lopena_nb_text(int what, const int* rows, int count) {
    lopena::out.clear();
    const lopena::Throw* current = shown ? shown->notebook().current() : nullptr;
    if (!shown || (!current && what != 2))
        return lopena::out.c_str();
    const tk::Locale& locale = shown->locale();
    if (what == 0) {
        std::vector<std::size_t> chosen;
        for (int i = 0; i < count; ++i)
            if (rows[i] >= 0)
                chosen.push_back(static_cast<std::size_t>(rows[i]));
        lopena::out = lopena::StepTable::text(*current, chosen, '\t', "\n", locale);
    } else if (what == 1) {
        lopena::out = lopena::StepTable::csv(*current, locale);
    } else if (what == 2) {
        lopena::out = lopena::HistoryTable::csv(shown->notebook().history(), locale);
    } else if (what == 3) {
        lopena::out = lopena::solutionHtml(*current, locale);
    } else if (what == 4) {
        lopena::out = shown->printHeading();
    }
    return lopena::out.c_str();
}
// The length in bytes of the text last handed over.
EMSCRIPTEN_KEEPALIVE int lopena_nb_size() {
    return static_cast<int>(lopena::out.size());
}
EMSCRIPTEN_KEEPALIVE void lopena_nb_repeat(int row) {
    if (shown && row >= 0 && static_cast<std::size_t>(row) < shown->notebook().history().size())
        shown->notebook().repeat(static_cast<std::size_t>(row));
}
EMSCRIPTEN_KEEPALIVE int lopena_nb_series() {
    if (!shown)
        return 0;
    shown->notebook().toggleSeries();
    return shown->notebook().seriesActive() ? 1 : 0;
}
// Graph `graph` as its title, axis titles and the columns of a step it plots, joined by tabs.
EMSCRIPTEN_KEEPALIVE const char* lopena_nb_graph(int graph) {
    lopena::out.clear();
    if (graph >= 0 && static_cast<std::size_t>(graph) < lopena::graphs.size()) {
        const lopena::Graph& g = lopena::graphs[static_cast<std::size_t>(graph)];
        lopena::out = std::string(g.title) + '\t' + g.xTitle + '\t' + g.yTitle + '\t' +
                      std::to_string(g.xColumn) + '\t' + std::to_string(g.yColumn);
    }
    return lopena::out.c_str();
}
// The stride of a curve of `steps` steps: it holds every stride-th step, and the last.
EMSCRIPTEN_KEEPALIVE int lopena_nb_stride(int steps) {
    return static_cast<int>(lopena::graphStride(steps > 0 ? static_cast<std::size_t>(steps) : 0));
}
// Fits graph `graph`'s axes (with the earlier throws' steps if `withEarlier`), or with `from` >= 0
// takes the current throw's steps from there on into them. Returns 1 if the axes are new or
// moved; lopena_nb_axes() holds them.
EMSCRIPTEN_KEEPALIVE int lopena_nb_fit_graph(int graph, int withEarlier, int from) {
    if (!shown)
        return 0;
    if (from >= 0)
        return shown->growGraph(static_cast<std::size_t>(from)) ? 1 : 0;
    shown->fitGraph(graph >= 0 ? static_cast<std::size_t>(graph) : 0, withEarlier != 0);
    return 1;
}
// The axes as x low, high, step, then y low, high, step.
EMSCRIPTEN_KEEPALIVE const double* lopena_nb_axes() {
    static double axes[6];
    if (shown) {
        const auto& a = shown->graphAxes();
        const lopena::AxisRange* ranges[] = {&a.x(), &a.y()};
        for (int i = 0; i < 2; ++i) {
            axes[3 * i] = ranges[i]->low;
            axes[3 * i + 1] = ranges[i]->high;
            axes[3 * i + 2] = ranges[i]->step;
        }
    }
    return axes;
}
// A throw's steps as t, x, y, vx, vy, v per step (doubles), valid until its next step.
EMSCRIPTEN_KEEPALIVE const double* lopena_nb_steps(int throwIndex) {
    const lopena::Throw* flight = shown ? lopena::throwAt(throwIndex) : nullptr;
    return flight && flight->log.size() ? &flight->log.steps().front().t : nullptr;
}
// what: 0 the number of steps, 1 the highest step, 2 the landing step (-1 for none), 3 the
// trail colour, 4 the throw's number.
EMSCRIPTEN_KEEPALIVE int lopena_nb_step_info(int throwIndex, int what) {
    const lopena::Throw* flight = shown ? lopena::throwAt(throwIndex) : nullptr;
    if (!flight)
        return -1;
    switch (what) {
    case 0: return static_cast<int>(flight->log.size());
    case 1: return static_cast<int>(flight->log.highestStep());
    case 2: return static_cast<int>(flight->log.landingStep());
    case 3: return static_cast<int>(flight->colour);
    default: return flight->number;
    }
}
}
