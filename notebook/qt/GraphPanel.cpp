#include "notebook/qt/GraphPanel.h"

#include "notebook/GraphAxes.h"
#include "notebook/Notebook.h"
#include "notebook/SeriesGraph.h"
#include "notebook/ThrowName.h"
#include "notebook/qt/NotebookSignals.h"
#include "toolkit/qt/QtConversions.h"

#include <QBoxLayout>
#include <QBuffer>
#include <QChart>
#include <QChartView>
#include <QLegend>
#include <QLegendMarker>
#include <QCheckBox>
#include <QComboBox>
#include <QGraphicsScene>
#include <QLineSeries>
#include <QPushButton>
#include <QScatterSeries>
#include <QValueAxis>

#include <algorithm>
#include <utility>

namespace lopena {

namespace {

// Sets the axis to a fitted range, a tick on each multiple of its step.
void fit(QValueAxis& axis, const AxisRange& range) {
    axis.setRange(range.low, range.high);
    axis.setTickCount(range.ticks());
}

QString legendName(const Throw& flight, const tk::Locale& locale) {
    return QString::fromStdString(lopena::throwName(flight, locale));
}

QColor colourOf(const GraphMarker& marker) {
    return tkqt::toQColor(marker.colour);
}

} // namespace

GraphPanel::GraphPanel(const Notebook& notebook, const tk::Locale& locale, NotebookSignals& events,
                       const tkqt::ModalHook& onModalShown, QWidget* parent)
    : QWidget(parent), notebook_(notebook), locale_(locale), onModalShown_(onModalShown),
      choice_(new QComboBox(this)),
      compare_(new QCheckBox(QStringLiteral("Compara cu aruncarile anterioare"), this)),
      view_(new QChartView(this)), chart_(new QChart), axisX_(new QValueAxis(chart_)),
      axisY_(new QValueAxis(chart_)), current_(new QLineSeries(chart_)),
      highest_(new QScatterSeries(chart_)), landing_(new QScatterSeries(chart_)),
      seriesLine_(new QLineSeries(chart_)), bestMark_(new QScatterSeries(chart_)) {
    choice_->setObjectName("graphChoice");
    choice_->setAccessibleName(QStringLiteral("Graficul afisat"));
    for (const Graph& graph : graphs)
        choice_->addItem(QString::fromUtf8(graph.title));
    choice_->addItem(QString::fromUtf8(SeriesGraph::title));
    seriesLine_->setObjectName("seriesCurve");
    seriesLine_->setPen(QPen(tkqt::toQColor(SeriesGraph::lineColour), 2));
    seriesLine_->setPointsVisible(true);
    bestMark_->setObjectName("bestAngle");
    bestMark_->setColor(tkqt::toQColor(SeriesGraph::bestColour));
    bestMark_->setMarkerSize(11);
    compare_->setObjectName("compareThrows");
    auto* save = new QPushButton(QStringLiteral("Salveaza imagine..."), this);
    save->setObjectName("saveImage");

    view_->setObjectName("chartView");
    view_->setAccessibleName(QStringLiteral("Graficul aruncarii curente"));
    view_->setChart(chart_); // the view owns the chart, the chart its axes and series
    view_->setRenderHint(QPainter::Antialiasing);
    // The view repaints what the scene says changed (see repaintChanged()), which for a
    // growing curve is only its newest segment rather than its whole bounding box.
    view_->setViewportUpdateMode(QGraphicsView::NoViewportUpdate);
    connect(view_->scene(), &QGraphicsScene::changed, this,
            [this](const QList<QRectF>& changed) { repaintChanged(changed); });
    chart_->legend()->setAlignment(Qt::AlignBottom);
    // Tick labels as short as their values, with the decimal separator of the tables.
    chart_->setLocalizeNumbers(true);
    chart_->setLocale(locale.decimalSeparator == "," ? QLocale(QLocale::Romanian, QLocale::Romania)
                                                     : QLocale::c());
    axisX_->setLabelFormat(QStringLiteral("%.6g"));
    axisY_->setLabelFormat(QStringLiteral("%.6g"));
    chart_->addAxis(axisX_, Qt::AlignBottom);
    chart_->addAxis(axisY_, Qt::AlignLeft);
    current_->setObjectName("currentThrow");
    for (std::size_t i = 0; i < graphMarkers.size(); ++i) {
        const GraphMarker& marker = graphMarkers[i];
        QScatterSeries* series = i == 0 ? highest_ : landing_;
        series->setName(QString::fromUtf8(marker.name));
        series->setColor(colourOf(marker));
        series->setMarkerSize(marker.size);
        series->setMarkerShape(marker.square ? QScatterSeries::MarkerShapeRectangle
                                             : QScatterSeries::MarkerShapeCircle);
    }

    auto* options = new QHBoxLayout;
    options->addWidget(choice_);
    options->addWidget(compare_);
    options->addStretch();
    options->addWidget(save);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(options);
    layout->addWidget(view_, 1);

    connect(choice_, &QComboBox::currentIndexChanged, this, [this] { rebuild(); });
    connect(compare_, &QCheckBox::toggled, this, [this] { rebuild(); });
    connect(save, &QPushButton::clicked, this, [this] { saveImage(); });
    // A hidden graph only notes that it is behind, and catches up when shown.
    connect(&events, &NotebookSignals::started, this, [this] {
        if (!(stale_ = !isVisible()))
            rebuild();
    });
    connect(&events, &NotebookSignals::stepsArrived, this, [this] {
        if (stale_ || (stale_ = !isVisible()))
            return;
        if (seriesChosen())
            return; // D(alpha) takes a throw in once it is down
        const Throw* now = notebook_.current();
        axesMoved_ = false;
        QRect dirty;
        for (std::size_t i = drawn_; now && i < now->log.size(); ++i)
            dirty |= addStep(static_cast<int>(i));
        drawn_ = now ? now->log.size() : 0;
        if (axesMoved_) {
            curveOnly_ = false;
        } else if (!dirty.isEmpty()) {
            curveOnly_ = true;
            curveDirty_ |= dirty;
        }
    });
    connect(&events, &NotebookSignals::landed, this, [this] {
        if (stale_ || (stale_ = !isVisible()))
            return;
        if (seriesChosen())
            return drawSeries();
        // A flight cut short: the axes fit the steps it logged, far short of the computed ones.
        if (const Throw* now = notebook_.current(); now && now->log.interrupted())
            return rebuild();
        markLanding();
    });
    rebuild();
}

void GraphPanel::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (stale_) {
        stale_ = false;
        rebuild();
    }
}

bool GraphPanel::seriesChosen() const {
    return choice_->currentIndex() == static_cast<int>(graphs.size());
}

QPointF GraphPanel::point(const FlightStep& step) const {
    const Graph& graph =
        graphs[std::min<std::size_t>(std::max(choice_->currentIndex(), 0), graphs.size() - 1)];
    return {stepValue(step, graph.xColumn), stepValue(step, graph.yColumn)};
}

void GraphPanel::rebuild() {
    if (seriesChosen())
        return drawSeries();
    curveOnly_ = false;
    for (QAbstractSeries* series :
         {static_cast<QAbstractSeries*>(seriesLine_), static_cast<QAbstractSeries*>(bestMark_)})
        if (chart_->series().contains(series))
            chart_->removeSeries(series);
    const Graph& graph = graphs[static_cast<std::size_t>(std::max(choice_->currentIndex(), 0))];
    // Titles and series stay as they are where nothing changed: each change lays the chart out.
    for (auto [axis, title] : {std::pair(axisX_, graph.xTitle), std::pair(axisY_, graph.yTitle)})
        if (axis->titleText() != QString::fromUtf8(title))
            axis->setTitleText(QString::fromUtf8(title));
    const Throw* now = notebook_.current();
    const bool withEarlier = compare_->isChecked() && now && notebook_.history().size() > 1;
    // Earlier throws go in first, so that the current one is drawn over them: the current one
    // is taken out and put back only when earlier ones come or go.
    const bool restack = withEarlier || !earlier_.empty() || !chart_->series().contains(current_);
    for (QLineSeries* series : earlier_) {
        chart_->removeSeries(series);
        delete series;
    }
    earlier_.clear();
    for (QAbstractSeries* mine :
         {static_cast<QAbstractSeries*>(current_), static_cast<QAbstractSeries*>(highest_),
          static_cast<QAbstractSeries*>(landing_)})
        if (restack && chart_->series().contains(mine))
            chart_->removeSeries(mine);
    // The extents of everything drawn, then each axis fitted once: a range that changes sets
    // every tick label again.
    axes_ = fittedAxes(graph, notebook_.history(), withEarlier);

    if (withEarlier)
        for (const Throw& flight : notebook_.history()) {
            if (&flight == now)
                continue;
            auto* series = new QLineSeries(chart_);
            series->setName(legendName(flight, locale_));
            series->setPen(QPen(tkqt::toQColor(flight.colour), 1.5));
            series->replace(sampled(flight.log, graphStride(flight.log.size()), true));
            earlier_.push_back(series);
        }

    QList<QPointF> points;
    highest_->clear();
    landing_->clear();
    stride_ = 1;
    drawn_ = now ? now->log.size() : 0;
    if (now) {
        current_->setName(legendName(*now, locale_));
        current_->setPen(QPen(tkqt::toQColor(now->colour), 2.5));
        const FlightLog& log = now->log;
        stride_ = graphStride(log.size());
        points = sampled(log, stride_, log.landingStep() >= 0);
        for (std::size_t i = 0; i < graphMarkers.size(); ++i)
            if (const long step = (log.*graphMarkers[i].step)(); step >= 0)
                (i == 0 ? highest_ : landing_)->append(point(log.steps()[static_cast<std::size_t>(step)]));
    }
    current_->replace(points);
    fit(*axisX_, axes_.x());
    fit(*axisY_, axes_.y());

    if (restack) {
        for (QLineSeries* series : earlier_)
            chart_->addSeries(series);
        for (QAbstractSeries* mine :
             {static_cast<QAbstractSeries*>(current_), static_cast<QAbstractSeries*>(highest_),
              static_cast<QAbstractSeries*>(landing_)})
            chart_->addSeries(mine);
        for (QAbstractSeries* series : chart_->series()) {
            series->attachAxis(axisX_);
            series->attachAxis(axisY_);
        }
    }
    // Nothing to show before the first launch: no empty entries in the legend.
    current_->setVisible(now != nullptr);
    highest_->setVisible(now != nullptr);
    landing_->setVisible(now != nullptr);
    showInLegend(landing_);
}

void GraphPanel::drawSeries() {
    curveOnly_ = false;
    const SeriesGraph graph = seriesGraph(notebook_.history(), locale_);
    for (QLineSeries* series : earlier_) {
        chart_->removeSeries(series);
        delete series;
    }
    earlier_.clear();
    for (QAbstractSeries* series :
         {static_cast<QAbstractSeries*>(current_), static_cast<QAbstractSeries*>(highest_),
          static_cast<QAbstractSeries*>(landing_)})
        if (chart_->series().contains(series))
            chart_->removeSeries(series);
    axisX_->setTitleText(QString::fromUtf8(SeriesGraph::xTitle));
    axisY_->setTitleText(QString::fromUtf8(SeriesGraph::yTitle));
    QList<QPointF> points;
    for (const SeriesGraph::Point& p : graph.points)
        points.append({p.angle, p.D});
    seriesLine_->setName(QString::fromStdString(graph.name));
    seriesLine_->replace(points);
    bestMark_->clear();
    if (graph.best)
        bestMark_->append(graph.best->angle, graph.best->D);
    bestMark_->setName(QString::fromStdString(graph.bestName));
    if (!chart_->series().contains(seriesLine_)) {
        chart_->addSeries(seriesLine_);
        chart_->addSeries(bestMark_);
        for (QAbstractSeries* series : {static_cast<QAbstractSeries*>(seriesLine_),
                                        static_cast<QAbstractSeries*>(bestMark_)}) {
            series->attachAxis(axisX_);
            series->attachAxis(axisY_);
        }
    }
    fit(*axisX_, graph.x);
    fit(*axisY_, graph.y);
    // No series yet: no empty entries in the legend.
    seriesLine_->setVisible(!points.isEmpty());
    bestMark_->setVisible(!points.isEmpty());
}

QRect GraphPanel::addStep(int index) {
    const Throw* now = notebook_.current();
    if (!now || index < 0 || static_cast<std::size_t>(index) >= now->log.size())
        return {};
    const FlightStep& step = now->log.steps()[static_cast<std::size_t>(index)];
    const QPointF p = point(step);
    if (axes_.add(step)) {
        fit(*axisX_, axes_.x());
        fit(*axisY_, axes_.y());
        axesMoved_ = true;
    }
    QRect dirty;
    constexpr int markerPad = 10; // half the marker, its outline and the antialiasing
    constexpr int linePad = 4;    // half the pen, its joins and the antialiasing
    if (now->log.highestStep() == index) {
        if (highest_->count() > 0) {
            dirty |= around(highest_->at(0), highest_->at(0), markerPad);
            highest_->replace(0, p);
        } else {
            highest_->append(p);
        }
        dirty |= around(p, p, markerPad);
    }
    if (static_cast<std::size_t>(index) % stride_ != 0)
        return dirty;
    const QPointF previous = current_->count() > 0 ? current_->at(current_->count() - 1) : p;
    current_->append(p);
    dirty |= around(previous, p, linePad);
    if (static_cast<std::size_t>(current_->count()) > graphMaxPoints) {
        axesMoved_ = true; // the whole curve is drawn anew
        // Every other point goes: the curve keeps its shape at half the points.
        const QList<QPointF> all = current_->points();
        QList<QPointF> half;
        half.reserve(all.size() / 2 + 1);
        for (qsizetype i = 0; i < all.size(); i += 2)
            half.append(all[i]);
        current_->replace(half);
        stride_ *= 2;
    }
    return dirty;
}

QList<QPointF> GraphPanel::sampled(const FlightLog& log, std::size_t stride, bool withLast) {
    QList<QPointF> points;
    for (std::size_t i : curveSteps(log, stride, withLast))
        points.append(point(log.steps()[i]));
    return points;
}

void GraphPanel::showInLegend(QScatterSeries* marker) {
    for (QLegendMarker* entry : chart_->legend()->markers(marker))
        entry->setVisible(marker->count() > 0);
}

void GraphPanel::markLanding() {
    curveOnly_ = false;
    const Throw* now = notebook_.current();
    if (!now || now->log.landingStep() < 0)
        return;
    const auto landingStep = static_cast<std::size_t>(now->log.landingStep());
    const QPointF p = point(now->log.steps()[landingStep]);
    landing_->clear();
    landing_->append(p);
    showInLegend(landing_);
    // The curve reaches the landing step even when it falls between sampled steps.
    if (landingStep % stride_ != 0)
        current_->append(p);
}

QRect GraphPanel::around(QPointF a, QPointF b, int pad) const {
    auto onView = [this](QPointF value) {
        return view_->mapFromScene(chart_->mapToScene(chart_->mapToPosition(value, current_)));
    };
    return QRect(onView(a), onView(b)).normalized().adjusted(-pad, -pad, pad, pad);
}

void GraphPanel::repaintChanged(const QList<QRectF>& changed) {
    QWidget* viewport = view_->viewport();
    if (curveOnly_) {
        viewport->update(curveDirty_);
    } else {
        for (const QRectF& rect : changed)
            viewport->update(view_->mapFromScene(rect).boundingRect().adjusted(-2, -2, 2, 2));
    }
    curveOnly_ = false;
    curveDirty_ = QRect();
}

void GraphPanel::saveImage() {
    tkqt::saveThroughDialogLater(
        this, QStringLiteral("Salveaza imagine"), QStringLiteral("Imagini PNG (*.png)"),
        QStringLiteral("grafic.png"),
        [this]() -> std::optional<QByteArray> {
            QByteArray bytes;
            QBuffer buffer(&bytes);
            buffer.open(QIODevice::WriteOnly);
            view_->grab().save(&buffer, "PNG");
            return bytes;
        },
        onModalShown_);
}

} // namespace lopena
