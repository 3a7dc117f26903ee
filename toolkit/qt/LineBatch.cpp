#include "toolkit/qt/LineBatch.h"

#include <QPainter>
#include <QPen>

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
    painter_.drawLines(lines_.constData(), static_cast<int>(lines_.size()));
    lines_.clear();
}

} // namespace tkqt
