#pragma once

#include "notebook/GraphAxes.h"
#include "toolkit/Locale.h"
#include "toolkit/qt/SaveDialog.h"

#include <QList>
#include <QPointF>
#include <QRect>
#include <QWidget>

#include <vector>

class QCheckBox;
class QComboBox;
class QChart;
class QChartView;
class QLineSeries;
class QScatterSeries;
class QValueAxis;

namespace lopena {

class Notebook;
class NotebookSignals;
class FlightLog;
struct Throw;

// The "Grafice" tab: one graph of the current throw, drawn as the steps arrive, its highest and
// landing steps marked, the earlier throws of the history beside it on request.
class GraphPanel : public QWidget {
    Q_OBJECT
public:
    // `onModalShown` is handed to the Save dialog and must outlive the panel.
    GraphPanel(const Notebook& notebook, const tk::Locale& locale, NotebookSignals& events,
               const tkqt::ModalHook& onModalShown, QWidget* parent = nullptr);

    // The line of the current throw, its points in the graph's units.
    QLineSeries* currentSeries() const { return current_; }
    // The line D(alpha) of the last series of angles, and its best angle's mark.
    QLineSeries* seriesCurve() const { return seriesLine_; }
    QScatterSeries* bestAngleMark() const { return bestMark_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    QPointF point(const FlightStep& step) const;
    // Every stride-th step of a log (and its last one, if asked) as points, the axes grown.
    QList<QPointF> sampled(const FlightLog& log, std::size_t stride, bool withLast);
    // Draws the chosen graph anew from the logs: on a new throw, graph or comparison.
    void rebuild();
    // The last entry of the choice: D(alpha) of the last series, not a graph of steps.
    bool seriesChosen() const;
    // Draws D(alpha) of the last series in place of the steps' curves.
    void drawSeries();
    // Takes step `index` in; returns the part of the view it changed, unless it changed more.
    QRect addStep(int index);
    void markLanding();
    // A marker's legend entry stands only while it marks something: no landing, no "Aterizare".
    void showInLegend(QScatterSeries* marker);
    // The part of the view between two points of the graph, `pad` pixels wider on every side.
    QRect around(QPointF a, QPointF b, int pad) const;
    // Repaints what the scene reports changed, or only the curve's new part after steps.
    void repaintChanged(const QList<QRectF>& changed);
    void saveImage();

    const Notebook& notebook_;
    tk::Locale locale_;
    const tkqt::ModalHook& onModalShown_;
    QComboBox* choice_;
    QCheckBox* compare_;
    QChartView* view_;
    QChart* chart_;
    QValueAxis* axisX_;
    QValueAxis* axisY_;
    QLineSeries* current_;
    QScatterSeries* highest_;
    QScatterSeries* landing_;
    QLineSeries* seriesLine_;
    QScatterSeries* bestMark_;
    std::vector<QLineSeries*> earlier_; // owned by the chart while shown
    std::size_t stride_ = 1;            // the current curve holds every stride_-th step
    std::size_t drawn_ = 0;             // steps of the current throw taken in so far
    bool stale_ = false;                // changes came while hidden: rebuild when shown
    // The last scene change was steps alone: the view repaints curveDirty_, not the curve's
    // whole bounding box.
    bool curveOnly_ = false;
    bool axesMoved_ = false; // an axis range changed since the steps began to arrive
    QRect curveDirty_;
    GraphAxes axes_{graphs[0]};
};

} // namespace lopena
