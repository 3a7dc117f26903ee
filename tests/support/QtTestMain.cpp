#include "toolkit/qt/QtTexts.h"

#include "mainwindow/frmmain.h"
#include "support/VirtualClock.h"
#include "toolkit/qt/FormSurface.h"
#include "toolkit/qt/FormView.h"
#include "toolkit/qt/MainWindowHost.h"
#include "toolkit/qt/QtPlatform.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdio>

namespace {

// Prints the main window's layout at the current scale, for the scale test that runs this
// program again with QT_SCALE_FACTOR set.
int dumpLayout() {
    tk::VirtualClock clock;
    tkqt::QtPlatform platform(clock);
    lopena::frmmain w(platform);
    w.Load(clock);
    tkqt::MainWindowHost host(w, platform);
    host.show();
    if (!QTest::qWaitForWindowExposed(&host))
        return 1;
    tkqt::FormSurface* surface = host.view().surface();
    for (tk::Control* control : w.controls())
        if (QWidget* widget = host.view().widgetFor(*control)) {
            const QPoint at = widget->mapTo(surface, QPoint(0, 0));
            std::printf("widget %s %d %d %d %d\n", qPrintable(widget->objectName()), at.x(), at.y(),
                        widget->width(), widget->height());
        }
    const QImage image = surface->grab().toImage();
    std::printf("ratio %g\nphysical %d %d\nline", surface->devicePixelRatioF(), image.width(),
                image.height());
    // Darkness across the grid line at x = 64, on row 100: a crisp line covers exactly its pixels.
    const int scale = qRound(surface->devicePixelRatioF());
    for (int x = 63 * scale - 1; x <= 65 * scale; ++x)
        std::printf(" %d", qGray(image.pixel(x, 100 * scale)) < 128 ? 1 : 0);
    std::printf("\n");
    return 0;
}

} // namespace

// Widget tests run without a screen unless one is asked for explicitly.
int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (!qEnvironmentVariableIsSet("XDG_RUNTIME_DIR")) {
        QByteArray dir = QDir::tempPath().toUtf8() + "/lopena-runtime";
        QDir().mkpath(QString::fromUtf8(dir));
        QFile::setPermissions(QString::fromUtf8(dir), QFileDevice::ReadOwner |
                                                          QFileDevice::WriteOwner |
                                                          QFileDevice::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", dir);
    }
    // The user's settings in a folder of this run's own, gone with it: no test reads or writes
    // the user's own, and no two runs each other's.
    QTemporaryDir settings;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(settings.path()));
    QApplication app(argc, argv);
    tkqt::installRomanianQtTexts(app);
    if (qEnvironmentVariableIsSet("LOPENA_DUMP_LAYOUT"))
        return dumpLayout();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
