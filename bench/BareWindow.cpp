// The baseline of the desktop measurements: a Qt main window of the same size with nothing in
// it, and optionally just three precise timers of 10, 100 and 200 ms that do nothing.
//   lopena_bare [timers SECONDS]
#include "ProbeClock.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QTimer>

#include <cstring>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.resize(1016, 492 + window.menuBar()->sizeHint().height());
    const bool timers = argc > 2 && std::strcmp(argv[1], "timers") == 0;
    const int seconds = timers ? std::atoi(argv[2]) : 0;

    QTimer t10, t100, t200;
    for (auto [timer, ms] : {std::pair{&t10, 10}, {&t100, 100}, {&t200, 200}}) {
        timer->setTimerType(Qt::PreciseTimer);
        timer->setInterval(ms);
        QObject::connect(timer, &QTimer::timeout, [] {});
    }

    probe::FirstPaint first(&window, [&] {
        probe::print("first_frame_ms", probe::sinceLaunch());
        QTimer::singleShot(200, [&] {
            probe::print("rss_shown_mb", probe::residentMB());
            if (!timers) {
                QApplication::quit();
                return;
            }
            const double cpu0 = probe::cpuMs();
            t10.start();
            t100.start();
            t200.start();
            QTimer::singleShot(seconds * 1000, [&, cpu0] {
                probe::print("cpu_ms", probe::cpuMs() - cpu0);
                QApplication::quit();
            });
        });
    });
    window.show();
    return QApplication::exec();
}
