// The program as it ships, with measuring hooks that only this benchmark build has:
//   lopena_probe              first painted frame and resident memory after showing
//   lopena_probe flight DOTS  the same, then DOTS trail dots, then a real default flight:
//                             resident memory, CPU time and the time from Start to landing
//   lopena_probe flight 0 notebook TAB
//                             the same flight with the lab notebook open on tab TAB (0-3),
//                             opened as "Caiet de laborator" opens it: the time from the
//                             choice to the notebook's first paint, plugin loading included
#include "ProbeClock.h"

#include "TrailFill.h"
#include "mainwindow/frmmain.h"
#include "notebook/qt/NotebookMenu.h"
#include "toolkit/qt/FormView.h"
#include "toolkit/qt/MainWindowHost.h"
#include "toolkit/qt/QtPlatform.h"
#include "toolkit/qt/QtScheduler.h"
#include "toolkit/qt/WindowIcon.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTabWidget>
#include <QTimer>

#include <cstring>
#include <functional>
#include <memory>

#if __has_include(<valgrind/callgrind.h>)
#include <valgrind/callgrind.h>
#else
#define CALLGRIND_START_INSTRUMENTATION
#define CALLGRIND_STOP_INSTRUMENTATION
#endif

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setWindowIcon(tkqt::windowIcon());
    const bool flight = argc > 2 && std::strcmp(argv[1], "flight") == 0;
    const int dots = flight ? std::atoi(argv[2]) : 0;
    const int notebookTab =
        argc > 4 && std::strcmp(argv[3], "notebook") == 0 ? std::atoi(argv[4]) : -1;

    tkqt::QtScheduler scheduler;

    tkqt::QtPlatform platform{scheduler};
    lopena::frmmain window(platform);
    window.Load(platform.scheduler());
    tkqt::MainWindowHost host(window, platform);
    window.showNotebook = lopena::connectNotebook(window.notebook, window, &host, platform);
    std::unique_ptr<QObject> notebookPainted;

    QElapsedTimer sinceStart;
    double cpuAtStart = 0, userAtStart = 0;
    auto landed = window.Timer1.onTimer;
    window.Timer1.onTimer = [&] {
        landed();
        if (!window.Timer1.Enabled()) {
            probe::print("start_to_landing_ms",
                         static_cast<double>(sinceStart.nsecsElapsed()) / 1e6);
            probe::print("cpu_ms", probe::cpuMs() - cpuAtStart);
            probe::print("cpu_user_ms", probe::userCpuMs() - userAtStart);
            CALLGRIND_STOP_INSTRUMENTATION;
            QTimer::singleShot(0, [] { QApplication::quit(); });
        }
    };

    probe::FirstPaint first(&host, [&] {
        probe::print("first_frame_ms", probe::sinceLaunch());
        probe::print("first_frame_cpu_ms", probe::cpuMs());
        QTimer::singleShot(200, [&] {
            probe::print("rss_shown_mb", probe::residentMB());
            if (!flight) {
                QApplication::quit();
                return;
            }
            bench::fillTrail(window, dots);
            if (notebookTab >= 0) {
                QElapsedTimer opening;
                opening.start();
                window.mnucaiet_Click();
                auto* tabs = host.findChild<QTabWidget*>(QStringLiteral("notebookTabs"));
                tabs->setCurrentIndex(notebookTab);
                notebookPainted = std::make_unique<probe::FirstPaint<std::function<void()>>>(
                    tabs->window(), [opening] {
                        probe::print("notebook_open_ms",
                                     static_cast<double>(opening.nsecsElapsed()) / 1e6);
                    });
            }
            QTimer::singleShot(500, [&] {
                probe::print("rss_dots_mb", probe::residentMB());
                cpuAtStart = probe::cpuMs();
                userAtStart = probe::userCpuMs();
                sinceStart.start();
                CALLGRIND_START_INSTRUMENTATION; // run under callgrind --collect-atstart=no
                window.cmdFire.click();
            });
        });
    });
    window.restoreInputs(); // as the program starts: the boxes kept from the last run
    host.show();
    return QApplication::exec();
}
