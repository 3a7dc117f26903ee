#pragma once

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

private:
    frmmain& window_;
    Notebook& notebook_;
    const tk::Locale& locale_;
    bool open_ = false;
};

} // namespace lopena
