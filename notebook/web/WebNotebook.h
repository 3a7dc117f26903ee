#pragma once

#include "notebook/GraphAxes.h"
#include "notebook/Notebook.h"
#include "toolkit/Locale.h"

#include <string>

namespace lopena {

class frmmain;

// The lab notebook's side of the page: tells the page's panel of the notebook's changes while
// it is open, and answers its questions with the core's own cells, CSV and solution, so that
// the page only lays them out.
class WebNotebook : public NotebookListener {
public:
    // Opens the panel from "Vizualizare > Caiet de laborator"; both must outlive the notebook.
    WebNotebook(frmmain& window, const tk::Locale& locale);
    ~WebNotebook() override;
    WebNotebook(const WebNotebook&) = delete;
    WebNotebook& operator=(const WebNotebook&) = delete;

    void throwStarted(const Throw& current) override;
    void stepAdded(const Throw& current, std::size_t index) override;
    void throwLanded(const Throw& current) override;
    void seriesChanged(bool active) override;

    // The page's panel is open: the changes are sent to it.
    void setOpen(bool open) { open_ = open; }
    Notebook& notebook() { return notebook_; }
    const tk::Locale& locale() const { return locale_; }

    // The step table of the current throw: its rows, and one row as cells joined by tabs, then
    // its mark and "1" for the closing row.
    std::size_t rowCount() const;
    std::string row(std::size_t index) const;
    // The history row as its colour (red + 256 green + 65536 blue) and cells, joined by tabs.
    std::string historyRow(std::size_t index) const;
    // The heading of the printed solution: title and inputs (the page adds the date).
    std::string printHeading() const;

    // The axes of graph `graph` fitted to the current throw's flight as computed at launch and
    // the steps logged so far, with the earlier throws' steps if they are drawn beside it.
    void fitGraph(std::size_t graph, bool withEarlier);
    // Takes the current throw's steps from `from` on into the graph's axes; true if they moved.
    bool growGraph(std::size_t from);
    const GraphAxes& graphAxes() const { return axes_; }

private:
    frmmain& window_;
    Notebook& notebook_;
    const tk::Locale& locale_;
    bool open_ = false;
    GraphAxes axes_{graphs[0]};
    std::size_t graph_ = 0;      // the graph the axes were last fitted for
    bool withEarlier_ = false;  // ... and whether the earlier throws were in
};

} // namespace lopena
