#include "toolkit/qt/FormSurface.h"

#include "toolkit/SceneItems.h"
#include "toolkit/qt/LineBatch.h"
#include "toolkit/qt/QtConversions.h"

#include <QHelpEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>
#include <cmath>

namespace tkqt {

namespace {

QRect toQRect(const tk::PixelRect& r) { return QRect(r.x, r.y, r.width, r.height); }

// Band pictures let go by a layer cleared (each throw clears its trail) or a surface closed, for
// the next band of the same size: writing into memory already in use costs less than having the
// system hand out and clear fresh pages, some 250 KB a band. A few megabytes at most.
std::vector<QImage>& spareBands() {
    static std::vector<QImage> spare;
    return spare;
}

void letGo(std::vector<QImage>& bands) {
    for (QImage& band : bands)
        if (!band.isNull() && spareBands().size() < 16)
            spareBands().push_back(std::move(band));
    bands.clear();
}

QImage newBand(QSize size, qreal ratio) {
    auto& spare = spareBands();
    for (auto it = spare.begin(); it != spare.end(); ++it)
        if (it->size() == size && it->devicePixelRatio() == ratio) {
            QImage band = std::move(*it);
            spare.erase(it);
            return band;
        }
    QImage band(size, QImage::Format_ARGB32_Premultiplied);
    band.setDevicePixelRatio(ratio);
    return band;
}

} // namespace

FormSurface::FormSurface(tk::Form& form, QWidget* parent)
    : QWidget(parent), form_(form),
      tracker_(form, [this](const tk::PixelRect& place) { damage(toQRect(place)); }) {
    setAutoFillBackground(true);
}

FormSurface::~FormSurface() {
    for (auto& [name, bands] : layers_)
        letGo(bands);
}

void FormSurface::damage(const QRect& place) {
    if (place.isEmpty() || damaged_.contains(place))
        return; // asked already: Qt's own bookkeeping of a repaint costs more than this test
    // Places near one another (a ball and the arrows at it, before and after a tick) become one
    // rectangle: a region of many small rectangles costs more to clip every item to than the
    // few pixels more of their union. A place far from the others stays apart.
    const QRect united = damaged_.united(place);
    const auto area = [](const QRect& r) { return qint64(r.width()) * r.height(); };
    if (!damaged_.isEmpty() && area(united) > 2 * (area(damaged_) + area(place))) {
        update(place);
        return;
    }
    if (damaged_.isEmpty()) {
        update(place); // Qt now holds a request to repaint the window
        handedToQt_ = place;
        if (watched_ != window()) {
            if (watched_)
                watched_->removeEventFilter(this);
            watched_ = window();
            watched_->installEventFilter(this);
        }
    }
    damaged_ = united;
}

bool FormSurface::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::UpdateRequest && watched == watched_ && damaged_ != handedToQt_) {
        update(damaged_);
        handedToQt_ = damaged_;
    }
    return QWidget::eventFilter(watched, event);
}

void FormSurface::paintEvent(QPaintEvent* event) {
    const QRegion& dirty = event->region();
    // A paint before the window's request (one Qt started on its own, a picture of the surface
    // taken) hands what it holds over now, so the window's own repaint still comes for it.
    if (damaged_ != handedToQt_)
        update(damaged_);
    damaged_ = handedToQt_ = QRect();
    QPainter painter(this);
    const QRect bounds = dirty.boundingRect();
    refreshLayers();
    LineBatch lines(painter);
    tracker_.paint(
        {bounds.x(), bounds.y(), bounds.width(), bounds.height()},
        [&](const tk::PixelRect& place) { return dirty.rectCount() == 1 || dirty.intersects(toQRect(place)); },
        [&](const tk::Control& c) {
            ++itemsPainted_;
            if (c.kind() == tk::Kind::Line) {
                addLine(lines, static_cast<const tk::Line&>(c), bounds);
                return;
            }
            const auto& shape = static_cast<const tk::Shape&>(c);
            if (outlineMisses(shape, bounds))
                return;
            lines.flush();
            paintShape(painter, shape);
        },
        [&](const tk::ControlArray<tk::Shape>& array) {
            lines.flush();
            paintLayer(painter, layers_[std::string(array.name())], dirty);
        });
}

bool FormSurface::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const std::string tip = tracker_.tipAt(help->pos().x(), help->pos().y());
    if (tip.empty())
        QToolTip::hideText();
    else
        QToolTip::showText(help->globalPos(), toQString(tip), this);
    return true;
}

void FormSurface::refreshLayers() {
    const qreal ratio = devicePixelRatioF();
    const auto bandCount = static_cast<std::size_t>((height() + bandHeight - 1) / bandHeight);
    bool resized = ratio != ratio_;
    for (const auto& [name, bands] : layers_)
        resized = resized || bands.size() != bandCount;
    if (resized) {
        ratio_ = ratio;
        tracker_.invalidateLayers();
    }
    tracker_.refreshLayers(
        [&](const tk::ControlArray<tk::Shape>& array) {
            Bands& bands = layers_[std::string(array.name())];
            letGo(bands);
            bands.resize(bandCount); // nothing settled: no memory
        },
        [&](const tk::Shape& shape) { drawIntoLayer(layers_[std::string(shape.name())], shape); });
}

void FormSurface::drawIntoLayer(Bands& bands, const tk::Shape& shape) {
    const QRect area = toQRect(tk::sceneExtent(shape)) & rect();
    if (area.isEmpty())
        return;
    ++itemsPainted_;
    for (int band = area.top() / bandHeight;
         band <= area.bottom() / bandHeight && band < static_cast<int>(bands.size()); ++band) {
        QImage& image = bands[static_cast<std::size_t>(band)];
        if (image.isNull()) {
            image = newBand((QSizeF(width(), bandHeight) * ratio_).toSize(), ratio_);
            image.fill(Qt::transparent);
        }
        QPainter painter(&image);
        painter.translate(0, -band * bandHeight);
        const QRect box = toQRect(tk::shapeBox(shape));
        if (const QImage* stamp = stampOf(shape, box.size()))
            painter.drawImage(box.topLeft(), *stamp);
        else
            paintShapeIn(painter, shape, box);
    }
}

void FormSurface::paintLayer(QPainter& painter, const Bands& bands, const QRegion& dirty) {
    for (const QRect& r : dirty) {
        for (int band = std::max(0, r.top() / bandHeight);
             band <= r.bottom() / bandHeight && band < static_cast<int>(bands.size()); ++band) {
            const QImage& image = bands[static_cast<std::size_t>(band)];
            if (image.isNull())
                continue;
            const QRect part = r & QRect(0, band * bandHeight, width(), bandHeight);
            const QRectF source(part.x() * ratio_, (part.y() - band * bandHeight) * ratio_,
                                part.width() * ratio_, part.height() * ratio_);
            painter.drawImage(QRectF(part), image, source);
        }
    }
}

bool FormSurface::outlineMisses(const tk::Shape& shape, const QRect& place) {
    // An empty rectangle (the plot's frame) around a repaint inside it: its border is all
    // it draws, and none of it is there.
    const tk::Integer code = shape.ShapeCode();
    if (shape.FillStyle() == 0 || (code != tk::ShapeCodes::Rectangle && code != tk::ShapeCodes::Square))
        return false;
    return toQRect(tk::shapeBox(shape)).adjusted(2, 2, -2, -2).contains(place);
}

const QImage* FormSurface::stampOf(const tk::Shape& shape, QSize size) {
    const int w = size.width(), h = size.height();
    if (w <= 0 || h <= 0 || w > 32 || h > 32)
        return nullptr;
    const std::uint64_t key = static_cast<std::uint64_t>(shape.ShapeCode() & 7) |
                              static_cast<std::uint64_t>(shape.FillStyle() == 0 ? 0 : 1) << 3 |
                              static_cast<std::uint64_t>(w) << 4 |
                              static_cast<std::uint64_t>(h) << 10 |
                              static_cast<std::uint64_t>(qRound(ratio_ * 8) & 0xff) << 16 |
                              static_cast<std::uint64_t>(shape.FillColor() & 0xffffff) << 24;
    if (stamps_.size() > 4096 && !stamps_.count(key))
        stamps_.clear(); // a colour a throw: kept bounded over a long run
    QImage& stamp = stamps_[key];
    if (stamp.isNull()) {
        stamp = QImage(size * ratio_, QImage::Format_ARGB32_Premultiplied);
        stamp.setDevicePixelRatio(ratio_);
        stamp.fill(Qt::transparent);
        QPainter painter(&stamp);
        paintShapeIn(painter, shape, QRect(QPoint(0, 0), size));
    }
    return &stamp;
}

void FormSurface::paintShape(QPainter& painter, const tk::Shape& shape) {
    // A small shape (the ball, the newest dot, a mark) is stamped too: tracing an antialiased
    // curve costs some forty copies of its pixels, setting up a bordered rectangle some ten, and
    // it is drawn again at every tick.
    const QRect box = toQRect(tk::shapeBox(shape));
    if (const QImage* stamp = stampOf(shape, box.size()))
        painter.drawImage(box.topLeft(), *stamp);
    else
        paintShapeIn(painter, shape, box);
}

void FormSurface::paintShapeIn(QPainter& painter, const tk::Shape& shape, const QRect& box) {
    if (box.isEmpty())
        return;
    const tk::Integer code = shape.ShapeCode();
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1));
    if (shape.FillStyle() == 0)
        painter.setBrush(toQColor(shape.FillColor()));
    else
        painter.setBrush(Qt::NoBrush);

    const bool curved = code != tk::ShapeCodes::Rectangle && code != tk::ShapeCodes::Square;
    painter.setRenderHint(QPainter::Antialiasing, curved);
    if (!curved) {
        painter.drawRect(box.adjusted(0, 0, -1, -1));
        return;
    }
    QRectF inner = QRectF(box).adjusted(0.5, 0.5, -0.5, -0.5);
    if (code == tk::ShapeCodes::Oval || code == tk::ShapeCodes::Circle) {
        painter.drawEllipse(inner);
    } else {
        qreal radius = std::min(inner.width(), inner.height()) / 4;
        painter.drawRoundedRect(inner, radius, radius);
    }
}

void FormSurface::addLine(LineBatch& lines, const tk::Line& line, const QRect& bounds) {
    const QColor colour =
        line.BorderColor < 0 ? palette().color(QPalette::WindowText) : toQColor(line.BorderColor);
    const int width = std::max(1, line.BorderWidth);
    QPointF from(line.X1, line.Y1), to(line.X2, line.Y2);
    // A grid line crossing a small repaint is drawn across it only (with a margin beyond its
    // width): the same pixels there, without walking the whole line.
    const qreal margin = width + 2;
    const auto cut = [](qreal& a, qreal& b, qreal low, qreal high) {
        qreal& start = a <= b ? a : b;
        qreal& end = a <= b ? b : a;
        start = std::max(start, low);
        end = std::min(end, high);
        return start < end;
    };
    if (from.y() == to.y() && from.x() != to.x() &&
        !cut(from.rx(), to.rx(), bounds.left() - margin, bounds.right() + 1 + margin))
        return;
    if (from.x() == to.x() && from.y() != to.y() &&
        !cut(from.ry(), to.ry(), bounds.top() - margin, bounds.bottom() + 1 + margin))
        return;
    lines.add(colour, width, QLineF(from, to));
}

} // namespace tkqt
