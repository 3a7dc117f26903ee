#include "notebook/NotebookFeed.h"

namespace lopena {

NotebookFeed::NotebookFeed(Notebook& notebook, tk::Scheduler& scheduler) : notebook_(notebook) {
    gather_.onTimer = [this] {
        gather_.setEnabled(false); // once per gathering
        call(stepsArrived);
    };
    gather_.attach(&scheduler);
    notebook_.addListener(this);
}

NotebookFeed::~NotebookFeed() {
    notebook_.removeListener(this);
    gather_.setEnabled(false);
}

void NotebookFeed::throwStarted(const Throw&) {
    gather_.setEnabled(false); // the views start afresh with the new throw
    call(started);
}

void NotebookFeed::stepAdded(const Throw&, std::size_t) {
    gather_.setEnabled(true); // a running gathering keeps its rhythm
}

void NotebookFeed::throwLanded(const Throw&) {
    gather_.setEnabled(false);
    call(stepsArrived);
    call(landed);
}

void NotebookFeed::seriesChanged(bool active) {
    if (seriesToggled)
        seriesToggled(active);
}

} // namespace lopena
