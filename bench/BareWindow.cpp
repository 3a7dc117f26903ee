// The baseline of the desktop measurements: a Qt main window of the same size with nothing in
// it, and optionally just three precise timers of 10, 100 and 200 ms that do nothing, or that
// repaint three small patches as often as a flight changes what it shows (the floor of any
// program that shows a flight: 30 moves, 30 coordinate changes and 15 clock changes in 3 s).
// "text" puts one line of text in the window: the floor of any window that shows words.
//   lopena_bare [timers|patches SECONDS | text]
#include "ProbeClock.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QTimer>

#include <cstring>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.resize(1016, 492 + window.menuBar()->sizeHint().height());
    const bool patches = argc > 2 && std::strcmp(argv[1], "patches") == 0;
    const bool timers = patches || (argc > 2 && std::strcmp(argv[1], "timers") == 0);
    auto* surface = new QWidget(&window);
    window.setCentralWidget(surface);
    struct Patch : QWidget {
        using QWidget::QWidget;
        int shade = 0;
        void paintEvent(QPaintEvent*) override {
            QPainter(this).fillRect(rect(), QColor(shade % 256, 90, 160));
        }
    };
    Patch* patch[3] = {new Patch(surface), new Patch(surface), new Patch(surface)};
    for (int i = 0; i < 3; ++i)
        patch[i]->setGeometry(100 + 200 * i, 400, 90, 13);
    int ticks10 = 0;
    if (argc > 1 && std::strcmp(argv[1], "text") == 0)
        (new QLabel(QStringLiteral("Aruncare pe oblica"), surface))->move(20, 20);
    const int seconds = timers ? std::atoi(argv[2]) : 0;

    QTimer t10, t100, t200;
    for (auto [timer, ms] : {std::pair{&t10, 10}, {&t100, 100}, {&t200, 200}}) {
        timer->setTimerType(Qt::PreciseTimer);
        timer->setInterval(ms);
        QObject::connect(timer, &QTimer::timeout, [&, ms = ms] {
            if (!patches)
                return;
            Patch* p = ms == 100   ? patch[0]
                       : ms == 200 ? patch[2]
                                   : (++ticks10 % 10 == 5 ? patch[1] : nullptr);
            if (p) {
                ++p->shade;
                p->update();
            }
        });
    }

    probe::FirstPaint first(&window, [&] {
        probe::print("first_frame_ms", probe::sinceLaunch());
        probe::print("first_frame_cpu_ms", probe::cpuMs());
        QTimer::singleShot(200, [&] {
            probe::print("rss_shown_mb", probe::residentMB());
            if (!timers) {
                QApplication::quit();
                return;
            }
            const double cpu0 = probe::cpuMs(), user0 = probe::userCpuMs();
            t10.start();
            t100.start();
            t200.start();
            QTimer::singleShot(seconds * 1000, [&, cpu0, user0] {
                probe::print("cpu_ms", probe::cpuMs() - cpu0);
                probe::print("cpu_user_ms", probe::userCpuMs() - user0);
                QApplication::quit();
            });
        });
    });
    window.show();
    return QApplication::exec();
}
