#include "toolkit/qt/LineBatch.h"

#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cmath>

namespace tkqt {

void LineBatch::add(const QColor& colour, int width, const QLineF& line) {
    if (!lines_.isEmpty() && (colour != colour_ || width != width_))
        flush();
    colour_ = colour;
    width_ = width;
    lines_.append(line);
}

void LineBatch::flush() {
    if (lines_.isEmpty())
        return;
    const QPen& last = painter_.pen();
    if (last.color() != colour_ || last.width() != width_ || last.capStyle() != Qt::FlatCap ||
        last.style() != Qt::SolidLine) {
        QPen pen(colour_, width_);
        pen.setCapStyle(Qt::FlatCap);
        painter_.setPen(pen);
    }
    if (painter_.testRenderHint(QPainter::Antialiasing))
        painter_.setRenderHint(QPainter::Antialiasing, false);
    if (width_ == 1 && colour_.alpha() == 255 && wholePixelsApart())
        fillLevelLines();
    if (!lines_.isEmpty())
        painter_.drawLines(lines_.constData(), static_cast<int>(lines_.size()));
    lines_.clear();
}

bool LineBatch::wholePixelsApart() const {
    const QTransform& t = painter_.deviceTransform();
    return t.type() <= QTransform::TxTranslate && t.dx() == std::floor(t.dx()) &&
           t.dy() == std::floor(t.dy());
}

void LineBatch::fillLevelLines() {
    // A 1-px aliased line across or down covers the pixels from each end rounded to the nearest
    // edge, the last one left out, in the row (or column) its coordinate falls in: a rectangle
    // filled, without stepping along the line a pixel at a time. Other lines stay.
    const auto edge = [](qreal v) { return static_cast<int>(std::floor(v + 0.5)); };
    int kept = 0;
    for (const QLineF& line : lines_) {
        const bool across = line.y1() == line.y2() && line.x1() != line.x2();
        const bool down = line.x1() == line.x2() && line.y1() != line.y2();
        if (!across && !down) {
            lines_[kept++] = line;
            continue;
        }
        const qreal from = across ? std::min(line.x1(), line.x2()) : std::min(line.y1(), line.y2());
        const qreal to = across ? std::max(line.x1(), line.x2()) : std::max(line.y1(), line.y2());
        const qreal at = across ? line.y1() : line.x1();
        if (std::abs(from) > 1e6 || std::abs(to) > 1e6 || !(at >= 0 && at < 1e6)) {
            lines_[kept++] = line; // far off, or above or left of the surface: Qt's own rules
            continue;
        }
        const int start = edge(from), length = edge(to) - start;
        if (length <= 0) {
            lines_[kept++] = line; // shorter than a pixel
            continue;
        }
        const int level = static_cast<int>(std::floor(at));
        painter_.fillRect(across ? QRect(start, level, length, 1) : QRect(level, start, 1, length),
                          colour_);
    }
    lines_.resize(kept);
}

} // namespace tkqt
