#pragma once

#include "notebook/Notebook.h"

#include <QObject>
#include <QTimer>

namespace lopena {

// Turns the notebook's callbacks into Qt signals. A throw's start and landing are sent at once
// from inside the callback (the notebook already holds the change); steps, which come ten a
// second, are gathered and sent four times a second, so the views repaint for a few steps at
// once rather than for each.
class NotebookSignals : public QObject, public NotebookListener {
    Q_OBJECT
public:
    explicit NotebookSignals(QObject* parent = nullptr) : QObject(parent) {
        gather_.setSingleShot(true);
        gather_.setInterval(gatherMs);
        connect(&gather_, &QTimer::timeout, this, [this] { emit stepsArrived(); });
    }
    void throwStarted(const Throw&) override {
        gather_.stop(); // the views start afresh with the new throw
        emit started();
    }
    void stepAdded(const Throw&, std::size_t) override {
        if (!gather_.isActive())
            gather_.start();
    }
    void throwLanded(const Throw&) override {
        gather_.stop();
        emit stepsArrived();
        emit landed();
    }
    void seriesChanged(bool active) override { emit seriesToggled(active); }

    static constexpr int gatherMs = 250;

signals:
    // A new row of the history, which is also the new, empty current throw.
    void started();
    // The current throw logged more steps since the last time.
    void stepsArrived();
    // The current throw came down: every step, its landing step and exact landing are known.
    void landed();
    void seriesToggled(bool active);

private:
    QTimer gather_;
};

} // namespace lopena
