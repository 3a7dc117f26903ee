// Draws the program's icon, the window's cross, as PNG files of the usual sizes:
//   lopena_icons FOLDER   writes FOLDER/ro.morvak.lopena-SIZE.png
// The geometry is the same as data/icons/ro.morvak.lopena.svg, on a 32-unit grid.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>

namespace {

QPainterPath cross(int left, int top, int arm, int thickness) {
    QPainterPath path;
    path.setFillRule(Qt::WindingFill); // the two bars overlap in the middle
    path.addRect(left, top + arm, 2 * arm + thickness, thickness);
    path.addRect(left + arm, top, thickness, 2 * arm + thickness);
    return path;
}

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    for (int size : {16, 32, 48, 64, 128, 256}) {
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing, size % 32 != 0);
        painter.scale(size / 32.0, size / 32.0);
        painter.fillPath(cross(6, 6, 8, 3), Qt::black);
        painter.fillPath(cross(7, 7, 8, 1), Qt::white);
        painter.end();
        const QString name = QStringLiteral("%1/ro.morvak.lopena-%2.png").arg(folder).arg(size);
        if (!image.save(name)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(name));
            return 1;
        }
    }
    return 0;
}
