#pragma once

#include "notebook/NotebookFeed.h"
#include "toolkit/qt/QtScheduler.h"

#include <QObject>

namespace lopena {

// The notebook's feed (NotebookFeed: steps gathered four times a second) as Qt signals.
class NotebookSignals : public QObject {
    Q_OBJECT
public:
    NotebookSignals(Notebook& notebook, QObject* parent = nullptr)
        : QObject(parent), feed_(notebook, scheduler_) {
        feed_.started = [this] { emit started(); };
        feed_.stepsArrived = [this] { emit stepsArrived(); };
        feed_.landed = [this] { emit landed(); };
        feed_.seriesToggled = [this](bool active) { emit seriesToggled(active); };
    }

signals:
    // A new row of the history, which is also the new, empty current throw.
    void started();
    // The current throw logged more steps since the last time.
    void stepsArrived();
    // The current throw came down: every step, its landing step and exact landing are known.
    void landed();
    void seriesToggled(bool active);

private:
    tkqt::QtScheduler scheduler_; // before the feed, whose timer stops on it
    NotebookFeed feed_;
};

} // namespace lopena
