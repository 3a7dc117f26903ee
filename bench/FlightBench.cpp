// Measures the repaint of the scene and the handlers of a flight.
//   lopena_bench [--benchmark_filter=...]
#include "TrailFill.h"
#include "FreshSettings.h"
#include "mainwindow/frmmain.h"
#include "notebook/qt/NotebookWindow.h"
#include "support/HeadlessPlatform.h"
#include "toolkit/qt/FormSurface.h"
#include "toolkit/qt/FormView.h"
#include "toolkit/qt/MainWindowHost.h"
#include "toolkit/qt/QtConversions.h"
#include "toolkit/qt/QtPlatform.h"
#include "toolkit/qt/QtScheduler.h"

#include <QApplication>
#include <QImage>
#include <QLoggingCategory>
#include <QPaintEvent>
#include <QPainter>
#include <QTabWidget>
#include <QTableView>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using lopena::frmmain;
using lopena::testing::HeadlessPlatform;

// An offscreen main window with its widgets, for repaint measurements.
struct Scene {
    tkqt::QtScheduler scheduler;
    tkqt::QtPlatform platform{scheduler};
    frmmain w{platform};
    std::unique_ptr<tkqt::MainWindowHost> host;
    QImage target{1016, 492, QImage::Format_ARGB32_Premultiplied};

    explicit Scene(int dots) {
        w.Load(platform.scheduler());
        w.Timer3.setEnabled(false);
        host = std::make_unique<tkqt::MainWindowHost>(w, platform);
        host->show();
        QApplication::processEvents();
        bench::fillTrail(w, dots);
        paint(QRegion(0, 0, 1016, 492)); // settles the layer
    }
    tkqt::FormSurface& surface() { return *host->view().surface(); }
    void paint(const QRegion& region) {
        QPaintEvent event(region);
        QPainter painter(&target);
        painter.setClipRegion(region);
        target.fill(Qt::white);
        painter.end();
        surface().render(&target, QPoint(), region, QWidget::DrawWindowBackground);
    }
};

// The region one animation tick dirties: the ball's old and new place and the new dot.
QRegion tickRegion() {
    return QRegion(400, 200, 12, 12) + QRegion(409, 196, 12, 12);
}

void BM_TickRepaint(benchmark::State& state) {
    Scene scene(static_cast<int>(state.range(0)));
    for (auto _ : state)
        scene.paint(tickRegion());
    state.counters["dots"] = static_cast<double>(state.range(0));
}
BENCHMARK(BM_TickRepaint)->Arg(0)->Arg(1000)->Arg(10000)->Arg(32766)->Unit(benchmark::kMicrosecond);

void BM_FullFrameRepaint(benchmark::State& state) {
    Scene scene(static_cast<int>(state.range(0)));
    for (auto _ : state)
        scene.paint(QRegion(0, 0, 1016, 492));
}
BENCHMARK(BM_FullFrameRepaint)
    ->Arg(0)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(32766)
    ->Unit(benchmark::kMicrosecond);

// The baseline: every dot drawn antialiased on every frame, as a plain painter would.
void BM_NaiveFrame(benchmark::State& state) {
    HeadlessPlatform platform;
    frmmain w(platform);
    w.Load(platform.clock);
    bench::fillTrail(w, static_cast<int>(state.range(0)));
    QImage target(1016, 492, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter painter(&target);
        painter.setRenderHint(QPainter::Antialiasing);
        target.fill(Qt::white);
        for (const auto& [index, dot] : w.shpTrail) {
            if (!dot->Visible())
                continue;
            painter.setBrush(tkqt::toQColor(dot->FillColor()));
            painter.drawEllipse(QRectF(dot->Left(), dot->Top(), dot->Width(), dot->Height()));
        }
    }
}
BENCHMARK(BM_NaiveFrame)->Arg(0)->Arg(1000)->Arg(10000)->Arg(32766)->Unit(benchmark::kMicrosecond);

// Launch, 30 animation ticks and the clocks of a whole default flight on the virtual clock.
void BM_DefaultFlightHandlers(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        auto platform = std::make_unique<HeadlessPlatform>();
        auto w = std::make_unique<frmmain>(*platform);
        w->Load(platform->clock);
        state.ResumeTiming();
        w->cmdFire_Click();
        platform->clock.advance(3000);
        benchmark::DoNotOptimize(w->Label7.Caption());
        state.PauseTiming();
        w.reset();
        platform.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_DefaultFlightHandlers)->Unit(benchmark::kMicrosecond);

void BM_CreateTrail(benchmark::State& state) {
    HeadlessPlatform platform;
    frmmain w(platform);
    w.Load(platform.clock);
    for (auto _ : state) {
        bench::fillTrail(w, 32766);
        state.PauseTiming();
        w.cmdClear_Click();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_CreateTrail)->Unit(benchmark::kMillisecond);

void BM_ClearTrail(benchmark::State& state) {
    HeadlessPlatform platform;
    frmmain w(platform);
    w.Load(platform.clock);
    for (auto _ : state) {
        state.PauseTiming();
        bench::fillTrail(w, 32766);
        state.ResumeTiming();
        w.cmdClear_Click();
    }
}
BENCHMARK(BM_ClearTrail)->Unit(benchmark::kMillisecond);

// A notebook holding one launched throw with `steps` steps of a flight too long for its log
// (50 m/s at 89 degrees under a gravity of 0.001), its results as the launch computes them.
std::unique_ptr<lopena::Notebook> notebookWithSteps(int steps) {
    auto notebook = std::make_unique<lopena::Notebook>(tk::Locale::c());
    const double g = 0.001, vx = 0.87, vy = 49.99, T = 2 * vy / g;
    const lopena::LaunchFacts facts{
        "50", "89",   "0.001",           "",   "", "", "", 50, 89, g, vx, vy,
        T,    T * vx, vy * vy / (2 * g), g * T};
    notebook->launched(facts);
    for (int n = 0; n < steps; ++n) {
        const double t = n * 0.25;
        notebook->stepComputed(t, facts.vx * t, facts.vy * t - facts.g / 2 * t * t, facts.g);
    }
    return notebook;
}

// One step appended with the notebook open on the table (0) or the graph (1), to a short log and
// to a nearly full one: the model's row insert, the chart's point, and the repaint that follows,
// once the notebook passes the step on (a few times a second). Read the CPU column: the wall
// time includes the wait.
void BM_NotebookAppendAtFullLog(benchmark::State& state) {
    auto notebook = notebookWithSteps(static_cast<int>(state.range(1)));
    lopena::NotebookWindow window(*notebook, tk::Locale::c(), nullptr);
    window.findChild<QTabWidget*>(QStringLiteral("notebookTabs"))
        ->setCurrentIndex(static_cast<int>(state.range(0)));
    window.show();
    QApplication::processEvents();
    const QAbstractItemModel* table =
        window.findChild<QTableView*>(QStringLiteral("stepTable"))->model();
    int n = static_cast<int>(notebook->current()->log.size());
    for (auto _ : state) {
        const double t = n++ * 0.25;
        notebook->stepComputed(t, 0.87 * t, 49.99 * t - 0.0005 * t * t, 0.001);
        while (table->rowCount() < n)
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        QApplication::processEvents(); // the repaint
    }
    state.counters["steps"] = static_cast<double>(notebook->current()->log.size());
}
BENCHMARK(BM_NotebookAppendAtFullLog)
    ->ArgsProduct({{0, 1}, {30, static_cast<int>(lopena::FlightLog::maxSteps) - 600}})
    ->Iterations(20)
    ->Unit(benchmark::kMicrosecond);

// Opening the notebook on a full log: every tab built and the first frame shown.
void BM_NotebookOpenOnFullLog(benchmark::State& state) {
    auto notebook = notebookWithSteps(static_cast<int>(lopena::FlightLog::maxSteps));
    for (auto _ : state) {
        lopena::NotebookWindow window(*notebook, tk::Locale::c(), nullptr);
        window.show();
        QApplication::processEvents();
        state.PauseTiming();
        window.hide();
        state.ResumeTiming();
    }
    const auto& steps = notebook->current()->log.steps();
    state.counters["log_bytes"] = static_cast<double>(steps.capacity() * sizeof(steps[0]));
}
BENCHMARK(BM_NotebookOpenOnFullLog)->Iterations(5)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const FreshSettings settings;
    // The offscreen plugin warns at every window it shows that it cannot pass size hints on.
    QLoggingCategory::setFilterRules(QStringLiteral("default.warning=false"));
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
