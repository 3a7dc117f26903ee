#include "toolkit/qt/LineBatch.h"

#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cmath>
#include <optional>

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

namespace {

// The pixels of a 1-px aliased line straight across or down: from each end rounded to the nearest
// edge, the last one left out, in the row (or column) its coordinate falls in. None for another
// line, one that rounds to nothing, or one above or left of the surface, which keep Qt's own rules.
std::optional<QRect> levelPixels(const QLineF& line) {
    const bool across = line.y1() == line.y2() && line.x1() != line.x2();
    const bool down = line.x1() == line.x2() && line.y1() != line.y2();
    if (!across && !down)
        return std::nullopt;
    const qreal from = across ? std::min(line.x1(), line.x2()) : std::min(line.y1(), line.y2());
    const qreal to = across ? std::max(line.x1(), line.x2()) : std::max(line.y1(), line.y2());
    const qreal at = across ? line.y1() : line.x1();
    if (std::abs(from) > 1e6 || std::abs(to) > 1e6 || !(at >= 0 && at < 1e6))
        return std::nullopt;
    const auto edge = [](qreal v) { return static_cast<int>(std::floor(v + 0.5)); };
    const int start = edge(from), length = edge(to) - start;
    if (length <= 0)
        return std::nullopt;
    const int level = static_cast<int>(std::floor(at));
    return across ? QRect(start, level, length, 1) : QRect(level, start, 1, length);
}

} // namespace

void LineBatch::fillLevelLines() {
    // A rectangle filled, without stepping along the line a pixel at a time; other lines stay.
    int kept = 0;
    for (const QLineF& line : lines_) {
        if (const auto pixels = levelPixels(line))
            painter_.fillRect(*pixels, colour_);
        else
            lines_[kept++] = line;
    }
    lines_.resize(kept);
}

} // namespace tkqt
