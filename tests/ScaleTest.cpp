// The window at twice the scale: the same layout in logical pixels, twice the physical size,
// and shapes drawn at the full resolution.
#include "mainwindow/frmmain.h"
#include "toolkit/qt/FormSurface.h"
#include "toolkit/qt/FormView.h"
#include "toolkit/qt/MainWindowHost.h"
#include "toolkit/qt/QtPlatform.h"

#include <QApplication>
#include <QImage>
#include <QProcess>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdio>
#include <map>

int dumpLayout() {
    tkqt::QtPlatform platform;
    lopena::frmmain w(platform);
    w.Load(platform.scheduler());
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
    std::printf("ratio %g\n", surface->devicePixelRatioF());
    std::printf("physical %d %d\n", image.width(), image.height());
    // Darkness across the grid line at x = 64, on row 100: a crisp line covers exactly its pixels.
    const int scale = qRound(surface->devicePixelRatioF());
    std::printf("line");
    for (int x = 63 * scale - 1; x <= 65 * scale; ++x)
        std::printf(" %d", qGray(image.pixel(x, 100 * scale)) < 128 ? 1 : 0);
    std::printf("\n");
    return 0;
}

namespace {

std::map<std::string, std::string> layoutAt(const char* scale) {
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("LOPENA_DUMP_LAYOUT", "1");
    env.insert("QT_SCALE_FACTOR", scale);
    env.insert("QT_QPA_PLATFORM", "offscreen");
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(), {});
    EXPECT_TRUE(child.waitForFinished(30000));
    std::map<std::string, std::string> lines;
    for (const QByteArray& line : child.readAllStandardOutput().split('\n')) {
        const int space = line.indexOf(' ', line.startsWith("widget") ? 7 : 0);
        if (space > 0)
            lines[line.left(space).toStdString()] = line.mid(space + 1).toStdString();
    }
    return lines;
}

TEST(ScaleTest, TwiceTheScaleKeepsTheLayoutAndDrawsCrisply) {
    const auto one = layoutAt("1");
    const auto two = layoutAt("2");
    ASSERT_GT(one.size(), 30U);
    int widgets = 0;
    for (const auto& [key, value] : one) {
        if (key.rfind("widget ", 0) != 0)
            continue;
        ++widgets;
        ASSERT_TRUE(two.count(key)) << key;
        EXPECT_EQ(two.at(key), value) << key << " moves at scale 2";
    }
    EXPECT_GT(widgets, 30);
    EXPECT_EQ(one.at("ratio"), "1");
    EXPECT_EQ(two.at("ratio"), "2");
    EXPECT_EQ(one.at("physical"), "1016 492");
    EXPECT_EQ(two.at("physical"), "2032 984");
    // One logical pixel of line is one device pixel at scale 1 and two at scale 2, no blur.
    EXPECT_EQ(one.at("line"), "0 0 1 0");
    EXPECT_EQ(two.at("line"), "0 0 1 1 0 0");
}

} // namespace
