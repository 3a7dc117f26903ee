#pragma once

#include "notebook/GraphAxes.h"
#include "notebook/Notebook.h"
#include "notebook/NotebookFeed.h"
#include "toolkit/Locale.h"

#include <string>

namespace tk {
class Scheduler;
}

namespace lopena {

// The lab notebook's side of the page: tells the page's panel of the notebook's changes while
// it is open (NotebookFeed: steps gathered four times a second), and answers its questions
// (NotebookEntryPoints.cpp) with the core's own cells, CSV and solution, so that the page only
// lays them out.
class WebNotebook {
public:
    // The panel of `notebook`; all must outlive this.
    WebNotebook(Notebook& notebook, const tk::Locale& locale, tk::Scheduler& scheduler);
    ~WebNotebook();
    WebNotebook(const WebNotebook&) = delete;
    WebNotebook& operator=(const WebNotebook&) = delete;

    // The page's notebook, for its entry points; nullptr before it is made.
    static WebNotebook* instance();

    // Opens the panel ("Vizualizare > Caiet de laborator").
    void show();
    // The page's panel is open: the changes are sent to it.
    void setOpen(bool open) { open_ = open; }
    Notebook& notebook() { return notebook_; }
    const tk::Locale& locale() const { return locale_; }
    // Throw `index` of the history, or nullptr.
    const Throw* throwAt(int index) const;

    // The step table of the current throw: its rows, and one row as its mark, "1" for the closing
    // row, then its cells, joined by tabs (bridge::RowField).
    std::size_t rowCount() const;
    std::string row(std::size_t index) const;
    // The column titles of the current throw's step table, and of the history, joined by tabs.
    std::string stepHeaders() const;
    std::string historyHeaders() const;
    // The history row as its colour (red + 256 green + 65536 blue) and cells, joined by tabs.
    std::string historyRow(std::size_t index) const;

    // The axes of graph `graph` as a window opens it (fittedAxes).
    void fitGraph(std::size_t graph, bool withEarlier);
    // Takes the current throw's steps from `from` on into the graph's axes; true if they moved.
    bool growGraph(std::size_t from);
    const GraphAxes& graphAxes() const { return axes_; }

private:
    Notebook& notebook_;
    const tk::Locale& locale_;
    NotebookFeed feed_;
    bool open_ = false;
    GraphAxes axes_{graphs[0]};
    std::size_t graph_ = 0;      // the graph the axes were last fitted for
    bool withEarlier_ = false;  // ... and whether the earlier throws were in
};

} // namespace lopena
