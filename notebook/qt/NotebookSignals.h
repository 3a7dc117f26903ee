#pragma once

#include "notebook/Notebook.h"

#include <QObject>

namespace lopena {

// Turns the notebook's callbacks into Qt signals, sent at once from inside the callback: the
// notebook already holds the change when a signal arrives.
class NotebookSignals : public QObject, public NotebookListener {
    Q_OBJECT
public:
    explicit NotebookSignals(QObject* parent = nullptr) : QObject(parent) {}

    void throwStarted(const Throw&) override { emit started(); }
    void stepAdded(const Throw&, std::size_t index) override {
        emit stepAppended(static_cast<int>(index));
    }
    void throwLanded(const Throw&) override { emit landed(); }
    void seriesChanged(bool active) override { emit seriesToggled(active); }

signals:
    // A new row of the history, which is also the new, empty current throw.
    void started();
    // Step `index` of the current throw was logged.
    void stepAppended(int index);
    // The current throw came down: its landing step and exact landing are known.
    void landed();
    void seriesToggled(bool active);
};

} // namespace lopena
