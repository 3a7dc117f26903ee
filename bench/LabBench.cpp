// The Laborator on the desktop, offscreen, on a virtual clock advanced 10 ms at a time with the
// window painting after each step: the CPU of a flight with vectors and the vacuum ghost against
// the main window's default flight, and a new scale redrawing 32,766 dots.
#include "FreshSettings.h"
#include "mainwindow/frmmain.h"
#include "support/VirtualClock.h"
#include "toolkit/qt/MainWindowHost.h"
#include "toolkit/qt/QtPlatform.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

struct Windows {
    tk::VirtualClock clock;
    tkqt::QtPlatform platform{clock};
    lopena::frmmain w{platform};
    std::unique_ptr<tkqt::MainWindowHost> host;
    Windows() {
        w.Load(clock);
        w.Timer3.setEnabled(false);
        host = std::make_unique<tkqt::MainWindowHost>(w, platform);
        host->show();
        QApplication::processEvents();
    }
    // Moves the clock 10 ms at a time, painting after each, until `flying` turns false.
    template <class Flying> void fly(Flying flying) {
        while (flying()) {
            clock.advance(10);
            QApplication::processEvents();
        }
    }
};

// The measured part: a launch and its flight to the landing. Not inlined, so that
// `valgrind --tool=callgrind --toggle-collect='*flyOnce*'` counts this part alone.
[[gnu::noinline]] void flyOnce(Windows& s, bool lab) {
    if (lab) {
        s.w.labWindow->cmdLabStart.click();
        s.fly([&] { return s.w.labWindow->flying(); });
    } else {
        s.w.cmdFire.click();
        s.fly([&] { return s.w.Timer1.Enabled(); });
    }
}

// 0: the main window's default flight (3 s); 1: a tennis ball in the Laborator, 20 m/s at 45
// degrees, with vectors and the vacuum ghost (2.7 s).
void BM_FlightCpu(benchmark::State& state) {
    const bool lab = state.range(0) == 1;
    for (auto _ : state) {
        state.PauseTiming();
        auto windows = std::make_unique<Windows>();
        Windows& s = *windows;
        if (lab) {
            s.w.mnulab.click();
            QApplication::processEvents();
            s.w.labWindow->optLabMediu(2).click();
            s.w.labWindow->chkLabVectori.setValue(1);
            s.w.labWindow->chkLabFantoma.setValue(1);
            QApplication::processEvents(); // the boxes enabled for the air painted before the flight
        }
        state.ResumeTiming();
        flyOnce(s, lab);
        state.PauseTiming();
        windows.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_FlightCpu)->Arg(0)->Arg(1)->Iterations(10)->Unit(benchmark::kMillisecond);

// A launch whose scale differs from the last one's moves every dot of the trails: the handlers
// and the repaint that follows, with 32,766 dots.
void BM_LabRescale32766Dots(benchmark::State& state) {
    tk::VirtualClock clock;
    tkqt::QtPlatform platform{clock};
    lopena::frmmain w{platform};
    w.Load(clock);
    w.mnulab_Click();
    lopena::frmLab& lab = *w.labWindow;
    lab.txtLabGrav.setText("1.62");
    lab.txtLabViteza.setText("1000");
    while (lab.shpLabUrma.Count() < lab.shpLabUrma.MaxCount) {
        lab.cmdLabStart.click();
        while (lab.flying())
            clock.advance(60000);
    }
    QApplication::processEvents();
    bool fast = false;
    for (auto _ : state) {
        lab.txtLabViteza.setText(fast ? "1000" : "500"); // 50 km or 20 km a square
        fast = !fast;
        lab.cmdLabStart.click();
        QApplication::processEvents();
        state.PauseTiming();
        lab.cmdLabPauza.click();
        QApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["dots"] = lab.shpLabUrma.Count() - 1;
}
BENCHMARK(BM_LabRescale32766Dots)->Iterations(20)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const FreshSettings settings;
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
