#include "notebook/web/WebNotebook.h"

#include "notebook/HistoryTable.h"
#include "notebook/StepTable.h"

#include <emscripten.h>

namespace lopena {

// The page's panel, loaded at its first opening (notebook.js, a module of the page).
EM_JS(void, js_nb_show, (const char* separator),
      { Module.openNotebook(UTF8ToString(separator)); });
EM_JS(void, js_nb_started, (), { if (Module.notebook) Module.notebook.started(); });
EM_JS(void, js_nb_steps, (int rows, int highest), { if (Module.notebook) Module.notebook.steps(rows, highest); });
EM_JS(void, js_nb_landed, (), { if (Module.notebook) Module.notebook.landed(); });
EM_JS(void, js_nb_series, (int active), { if (Module.notebook) Module.notebook.series(active); });

namespace {

WebNotebook* shown = nullptr;

// The titles of the first `count` columns, joined by tabs.
template <typename Header> std::string joined(Header header, int count) {
    std::string line;
    for (int i = 0; i < count; ++i)
        line += (i ? "\t" : "") + std::string(header(i));
    return line;
}

} // namespace

WebNotebook::WebNotebook(Notebook& notebook, const tk::Locale& locale, tk::Scheduler& scheduler)
    : notebook_(notebook), locale_(locale), feed_(notebook_, scheduler) {
    shown = this;
    feed_.started = [this] {
        if (open_)
            js_nb_started();
    };
    feed_.stepsArrived = [this] {
        const Throw* current = notebook_.current();
        if (open_ && current)
            js_nb_steps(static_cast<int>(StepTable::rowCount(*current)),
                        static_cast<int>(current->log.highestStep()));
    };
    feed_.landed = [this] {
        if (open_)
            js_nb_landed();
    };
    feed_.seriesToggled = [this](bool active) {
        if (open_)
            js_nb_series(active ? 1 : 0);
    };
}

WebNotebook::~WebNotebook() {
    shown = nullptr;
}

void WebNotebook::show() {
    open_ = true;
    js_nb_show(locale_.decimalSeparator.c_str());
}

WebNotebook* WebNotebook::instance() {
    return shown;
}

const Throw* WebNotebook::throwAt(int index) const {
    const auto& history = notebook_.history();
    return index >= 0 && static_cast<std::size_t>(index) < history.size()
               ? &history[static_cast<std::size_t>(index)]
               : nullptr;
}

std::size_t WebNotebook::rowCount() const {
    const Throw* current = notebook_.current();
    return current ? StepTable::rowCount(*current) : 0;
}

std::string WebNotebook::row(std::size_t index) const {
    const Throw* current = notebook_.current();
    if (!current || index >= StepTable::rowCount(*current))
        return {};
    std::string fields = StepTable::mark(*current, index) + '\t' +
                         (StepTable::isClosingRow(*current, index) ? "1" : "0");
    for (int column = 0; column < StepTable::columns(*current); ++column)
        fields += '\t' + StepTable::cell(*current, index, column, locale_);
    return fields;
}

std::string WebNotebook::stepHeaders() const {
    const Throw* current = notebook_.current();
    return joined([](int i) { return StepTable::headers[i]; },
                  current ? StepTable::columns(*current) : StepTable::columnCount);
}

// The Laborator's columns join at its first throw, as on the desktop.
std::string WebNotebook::historyHeaders() const {
    return joined(HistoryTable::header, HistoryTable::columns(notebook_.history()));
}

std::string WebNotebook::historyRow(std::size_t index) const {
    const auto& history = notebook_.history();
    if (index >= history.size())
        return {};
    std::string fields = std::to_string(history[index].colour);
    for (int column = 1, shown = HistoryTable::columns(history); column < shown; ++column)
        fields += '\t' + HistoryTable::cell(history[index], column, locale_);
    return fields;
}

void WebNotebook::fitGraph(std::size_t graph, bool withEarlier) {
    graph_ = graph < graphs.size() ? graph : 0;
    withEarlier_ = withEarlier;
    axes_ = fittedAxes(graphs[graph_], notebook_.history(), withEarlier);
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
