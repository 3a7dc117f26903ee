#include "toolkit/qt/WindowIcon.h"

#include <QImage>

namespace tkqt {

QPixmap windowIconPixmap() {
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    constexpr int centre = 15, half = 8; // 17 pixels in each direction
    auto crossAt = [&](int x, int y) {
        return (y == centre && x >= centre - half && x <= centre + half) ||
               (x == centre && y >= centre - half && y <= centre + half);
    };
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            if (crossAt(x, y)) {
                image.setPixel(x, y, qRgba(255, 255, 255, 255));
                continue;
            }
            bool outline = false;
            for (int dy = -1; dy <= 1 && !outline; ++dy)
                for (int dx = -1; dx <= 1 && !outline; ++dx)
                    outline = crossAt(x + dx, y + dy);
            if (outline)
                image.setPixel(x, y, qRgba(0, 0, 0, 255));
        }
    return QPixmap::fromImage(image);
}

QIcon windowIcon() {
    return QIcon(windowIconPixmap());
}

} // namespace tkqt
