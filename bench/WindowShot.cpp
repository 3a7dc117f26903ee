// Opens the main window, flies a default launch with the trail on in real time and saves a
// picture of the window: lopena_shot OUTPUT.png [milliseconds after Start]
// With "about" as the second argument it saves the About window instead; with "lab" the whole
// screen with the Laborator beside the main window, 1.4 s into a tennis ball's throw in air with
// its vectors and vacuum ghost, over a throw from 20 m; "lab tall" the Laborator alone, its
// window made 420 x 880 (its tall layout). "lesson" after "lab" (and "tall") shows instead a
// throw in vacuum at 15 m/s and 30 degrees from 20 m, 1.6 s in, with its vectors, its energy
// and the ball dropped beside it, the Laborator alone. "probleme" the Probleme window alone,
// pupil 7 of 9B on exercise 2a with three answers judged, the hint and the solution shown.
#include "mainwindow/frmmain.h"
#include "problems/Verdict.h"
#include "toolkit/qt/FormView.h"
#include "toolkit/qt/MainWindowHost.h"
#include "toolkit/qt/QtPlatform.h"
#include "toolkit/qt/QtScheduler.h"
#include "toolkit/qt/WindowHost.h"
#include "toolkit/qt/WindowIcon.h"

#include <QApplication>
#include <QPixmap>
#include <QScreen>
#include <QTimer>

#include <cstdio>
#include <cstring>

// The Laborator's window (or the Probleme's), once open.
static QWidget* labHost() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (dynamic_cast<tkqt::WindowHost*>(w) && w->isVisible())
            return w;
    return nullptr;
}

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.png [milliseconds]\n", argv[0]);
        return 2;
    }
    const QString output = QString::fromLocal8Bit(argv[1]);
    const bool about = argc > 2 && std::strcmp(argv[2], "about") == 0;
    const bool lab = argc > 2 && std::strcmp(argv[2], "lab") == 0;
    bool tall = false, lesson = false;
    for (int i = 3; lab && i < argc; ++i) {
        tall = tall || std::strcmp(argv[i], "tall") == 0;
        lesson = lesson || std::strcmp(argv[i], "lesson") == 0;
    }
    const bool problems = argc > 2 && std::strcmp(argv[2], "probleme") == 0;
    const int after = argc > 2 && !about && !lab && !problems ? std::atoi(argv[2])
                      : lesson                             ? 1600
                      : lab                                ? 1400
                                                           : 2000;
    QApplication::setWindowIcon(tkqt::windowIcon());

    tkqt::QtScheduler scheduler;

    tkqt::QtPlatform platform{scheduler};
    lopena::frmmain window(platform);
    window.Load(platform.scheduler());
    tkqt::MainWindowHost host(window, platform);
    host.move(0, 0);
    host.show();

    int status = 0;
    if (about) {
        platform.onModalShown = [&](QWidget* dialog) {
            QTimer::singleShot(300, dialog, [&, dialog] {
                if (!dialog->grab().save(output))
                    status = 1;
                QApplication::quit();
            });
        };
        QTimer::singleShot(300, &host, [&] { window.mnuabout.click(); });
        QApplication::exec();
        return status;
    }
    if (problems) {
        QTimer::singleShot(300, &host, [&] {
            window.mnuprob.click();
            lopena::frmProbleme& p = *window.problemsWindow;
            p.txtProbClasa.setText("9B");
            p.txtProbElev.setText("7");
            p.lstProbleme(4).click(); // 2a, the kick: five answers
            // Right, 3 % over, wrong; the last two left empty.
            const double factors[] = {1, 1.03, 0.8};
            for (tk::Integer i = 0; i < 3; ++i)
                p.txtProbRaspuns(i).setText(lopena::threeDigits(
                    p.problem()->answers[static_cast<std::size_t>(i)].value * factors[i],
                    platform.locale()));
            p.cmdProbVerifica.click();
            p.cmdProbIndiciu.click();
            p.cmdProbRezolvare.click();
        });
        QTimer::singleShot(1500, &host, [&] {
            if (!labHost() || !labHost()->grab().save(output))
                status = 1;
            QApplication::quit();
        });
        QApplication::exec();
        return status;
    }
    // In "lab", the throw from 20 m flies first and stays as a trail.
    const int start = lab ? 2600 : 300;
    QTimer::singleShot(300, &host, [&] {
        if (!lab)
            return;
        window.mnulab.click();
        lopena::frmLab& l = *window.labWindow;
        if (tall)
            labHost()->resize(420, 880);
        if (lesson) {
            l.chkLabVectori.setValue(1);
            l.chkLabEnergie.setValue(1);
            l.chkLabCadere.setValue(1);
            l.txtLabViteza.setText("15");
            l.txtLabUnghi.setText("30");
            l.txtLabInaltime.setText("20");
            l.cmdLabStart.click();
            return;
        }
        l.txtLabViteza.setText("10");
        l.txtLabUnghi.setText("0");
        l.txtLabInaltime.setText("20");
        l.cmdLabStart.click();
    });
    QTimer::singleShot(start, &host, [&] {
        if (lesson)
            return;
        window.cmdFire.click();
        if (!lab)
            return;
        lopena::frmLab& l = *window.labWindow;
        l.txtLabViteza.setText("25");
        l.txtLabUnghi.setText("40");
        l.txtLabInaltime.setText("0");
        l.optLabMediu(2).click();
        l.chkLabVectori.setValue(1);
        l.chkLabFantoma.setValue(1);
        l.cmdLabStart.click();
    });
    QTimer::singleShot(lesson ? 300 + after : start + after, &host, [&] {
        QScreen* screen = host.screen();
        QPixmap shot =
            lab ? screen->grabWindow(0)
                : screen->grabWindow(0, host.frameGeometry().x(), host.frameGeometry().y(),
                                     host.frameGeometry().width(), host.frameGeometry().height());
        if (tall || lesson)
            shot = labHost()->grab();
        if (shot.isNull() || shot.size().isEmpty())
            shot = host.grab();
        if (!shot.save(output)) {
            std::fprintf(stderr, "cannot write %s\n", argv[1]);
            status = 1;
        }
        QApplication::quit();
    });
    QApplication::exec();
    return status;
}
