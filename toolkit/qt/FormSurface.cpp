#include "toolkit/qt/FormSurface.h"

#include "toolkit/SceneItems.h"
#include "toolkit/qt/QtConversions.h"

#include <QHelpEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>
#include <cmath>

namespace tkqt {

FormSurface::Drawn FormSurface::drawnAt(const QRect& place) {
    const QRect cut = place & QRect(-16384, -16384, 32767, 32767);
    return {static_cast<std::int16_t>(cut.x()), static_cast<std::int16_t>(cut.y()),
            static_cast<std::int16_t>(cut.width()), static_cast<std::int16_t>(cut.height())};
}

FormSurface::FormSurface(tk::Form& form, QWidget* parent) : QWidget(parent), form_(form) {
    setAutoFillBackground(true);
    // Remember where the items visible from the start stand, so hiding them repaints that place.
    auto remember = [this](const tk::Control& c) {
        if (c.Visible())
            drawnRecord(c, c.index() >= 0 ? &arrays_[c.name()] : nullptr) = drawnAt(extent(c));
    };
    tk::forEachSceneItem(form_, remember, [&](const auto& array) {
        using A = std::decay_t<decltype(array)>;
        ArrayRecord& record = arrays_[array.name()];
        if constexpr (std::is_same_v<A, tk::ControlArray<tk::Shape>>)
            record.shapes = &array;
        for (const auto& [index, element] : array)
            remember(*element);
    });
}

FormSurface::Drawn& FormSurface::drawnRecord(const tk::Control& control, ArrayRecord* array) {
    if (!array)
        return lone_[&control];
    std::vector<Drawn>& drawn = array->drawn;
    const auto at = static_cast<std::size_t>(control.index());
    if (drawn.size() <= at)
        drawn.resize(at + 1);
    return drawn[at];
}

QRect FormSurface::extent(const tk::Control& control) {
    if (control.kind() == tk::Kind::Line) {
        const auto& line = static_cast<const tk::Line&>(control);
        int w = std::max(1, line.BorderWidth);
        return QRect(QPoint(pixel(std::min(line.X1, line.X2)), pixel(std::min(line.Y1, line.Y2))),
                     QPoint(pixel(std::max(line.X1, line.X2)), pixel(std::max(line.Y1, line.Y2))))
            .adjusted(-w, -w, w, w);
    }
    return QRect(pixel(control.Left()), pixel(control.Top()), std::max(1, pixel(control.Width())),
                 std::max(1, pixel(control.Height())))
        .adjusted(-1, -1, 1, 1);
}

void FormSurface::sceneChanged(tk::Control& control, tk::Prop what) {
    ArrayRecord* array = control.index() >= 0 ? &arrays_[control.name()] : nullptr;
    Drawn& drawn = drawnRecord(control, array);
    const bool wasDrawn = drawn.width > 0;
    if (array && array->shapes)
        noteArrayChange(array->layer, control, what, wasDrawn);
    // Settled elements moving together (a trail at a new scale) repaint the surface once
    // rather than thousands of places.
    if (array && array->layer.stale && control.index() != array->layer.live &&
        array->drawn.size() > 256) {
        if (!wholeUpdate_)
            update();
        wholeUpdate_ = true;
        drawn = what == tk::Prop::Destroyed || !control.Visible() ? Drawn() : drawnAt(extent(control));
        return;
    }
    if (wasDrawn)
        update(QRect(drawn.x, drawn.y, drawn.width, drawn.height));
    if (what == tk::Prop::Destroyed || !control.Visible()) {
        drawn = Drawn();
        return;
    }
    const QRect now = extent(control);
    drawn = drawnAt(now);
    update(now);
}

void FormSurface::paintEvent(QPaintEvent* event) {
    wholeUpdate_ = false;
    QPainter painter(this);
    const QRegion& dirty = event->region();
    const QRect bounds = dirty.boundingRect();
    auto paintOne = [&](const tk::Control& c) {
        if (!c.Visible())
            return;
        QRect r = extent(c);
        if (!r.intersects(bounds) || !dirty.intersects(r))
            return;
        ++itemsPainted_;
        if (c.kind() == tk::Kind::Line)
            paintLine(painter, static_cast<const tk::Line&>(c));
        else
            paintShape(painter, static_cast<const tk::Shape&>(c));
    };
    tk::forEachSceneItem(form_, paintOne, [&](const auto& array) {
        using A = std::decay_t<decltype(array)>;
        if constexpr (std::is_same_v<A, tk::ControlArray<tk::Shape>>) {
            paintArray(painter, array, dirty);
            const tk::Integer live = arrays_[array.name()].layer.live;
            if (live >= 0 && array.exists(live))
                paintOne(array(live));
        } else {
            for (const auto& [index, element] : array)
                paintOne(*element);
        }
    });
}

bool FormSurface::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    const QPoint at = static_cast<QHelpEvent*>(event)->pos();
    std::string tip;
    // Items later in the scene are drawn on top: the last hit wins.
    auto consider = [&](const tk::Control& c) {
        if (c.Visible() && c.kind() == tk::Kind::Shape && extent(c).contains(at))
            if (std::string text = form_.toolTipOf(c); !text.empty())
                tip = std::move(text);
    };
    tk::forEachSceneItem(form_, consider, [&](const auto& array) {
        for (const auto& [index, element] : array)
            consider(*element);
    });
    if (tip.empty())
        QToolTip::hideText();
    else
        QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), toQString(tip), this);
    return true;
}

void FormSurface::noteArrayChange(ArrayLayer& layer, const tk::Control& control, tk::Prop what,
                                  bool wasDrawn) {
    const tk::Integer index = control.index();
    if (what == tk::Prop::Destroyed) {
        if (index == layer.live)
            layer.live = -1;
        else if (wasDrawn)
            layer.stale = true;
        return;
    }
    if (!wasDrawn && !control.Visible())
        return; // a hidden element that stays hidden draws nothing
    if (index > layer.live) {
        if (layer.live >= 0)
            layer.pending.push_back(layer.live);
        layer.live = index;
    } else if (index < layer.live) {
        layer.stale = true;
    }
}

void FormSurface::refreshLayer(const tk::ControlArray<tk::Shape>& array, ArrayLayer& layer) {
    const qreal ratio = devicePixelRatioF();
    const auto bandCount = static_cast<std::size_t>((height() + bandHeight - 1) / bandHeight);
    if (layer.ratio != ratio || layer.bands.size() != bandCount) {
        layer.ratio = ratio;
        layer.stale = true;
    }
    if (!layer.stale && layer.pending.empty())
        return;
    auto settled = [&](tk::Integer index) {
        return index != layer.live && array.exists(index) && array(index).Visible();
    };
    if (layer.stale) {
        layer.bands.assign(bandCount, QImage()); // nothing settled: the layer takes no memory
        for (const auto& [index, element] : array)
            if (settled(index))
                drawIntoLayer(layer, *element);
    } else {
        for (tk::Integer index : layer.pending)
            if (settled(index))
                drawIntoLayer(layer, array(index));
    }
    layer.pending.clear();
    layer.stale = false;
}

void FormSurface::drawIntoLayer(ArrayLayer& layer, const tk::Shape& shape) {
    const QRect area = extent(shape) & rect();
    if (area.isEmpty())
        return;
    ++itemsPainted_;
    for (int band = area.top() / bandHeight; band <= area.bottom() / bandHeight; ++band) {
        QImage& image = layer.bands[static_cast<std::size_t>(band)];
        if (image.isNull()) {
            image = QImage((QSizeF(width(), bandHeight) * layer.ratio).toSize(),
                           QImage::Format_ARGB32_Premultiplied);
            image.setDevicePixelRatio(layer.ratio);
            image.fill(Qt::transparent);
        }
        QPainter painter(&image);
        painter.translate(0, -band * bandHeight);
        if (const QImage* stamp = stampOf(shape, layer.ratio))
            painter.drawImage(QPoint(pixel(shape.Left()), pixel(shape.Top())), *stamp);
        else
            paintShape(painter, shape);
    }
}

void FormSurface::paintArray(QPainter& painter, const tk::ControlArray<tk::Shape>& array,
                             const QRegion& dirty) {
    ArrayLayer& layer = arrays_[array.name()].layer;
    refreshLayer(array, layer);
    const qreal ratio = layer.ratio;
    for (const QRect& r : dirty) {
        for (int band = std::max(0, r.top() / bandHeight);
             band <= r.bottom() / bandHeight && band < static_cast<int>(layer.bands.size());
             ++band) {
            const QImage& image = layer.bands[static_cast<std::size_t>(band)];
            if (image.isNull())
                continue;
            const QRect part = r & QRect(0, band * bandHeight, width(), bandHeight);
            const QRectF source(part.x() * ratio, (part.y() - band * bandHeight) * ratio,
                                part.width() * ratio, part.height() * ratio);
            painter.drawImage(QRectF(part), image, source);
        }
    }
}

const QImage* FormSurface::stampOf(const tk::Shape& shape, qreal ratio) {
    const int w = pixel(shape.Width()), h = pixel(shape.Height());
    if (w <= 0 || h <= 0 || w > 32 || h > 32)
        return nullptr;
    const std::uint64_t key = static_cast<std::uint64_t>(shape.ShapeCode() & 7) |
                              static_cast<std::uint64_t>(shape.FillStyle() & 1) << 3 |
                              static_cast<std::uint64_t>(w) << 4 | static_cast<std::uint64_t>(h) << 10 |
                              static_cast<std::uint64_t>(qRound(ratio * 8) & 0xff) << 16 |
                              static_cast<std::uint64_t>(shape.FillColor() & 0xffffff) << 24;
    if (stamps_.size() > 4096 && !stamps_.count(key))
        stamps_.clear(); // a colour a throw: kept bounded over a long run
    QImage& stamp = stamps_[key];
    if (stamp.isNull()) {
        stamp = QImage(QSize(w, h) * ratio, QImage::Format_ARGB32_Premultiplied);
        stamp.setDevicePixelRatio(ratio);
        stamp.fill(Qt::transparent);
        QPainter painter(&stamp);
        paintShapeIn(painter, shape, QRect(0, 0, w, h));
    }
    return &stamp;
}

void FormSurface::paintShape(QPainter& painter, const tk::Shape& shape) {
    paintShapeIn(painter, shape,
                 QRect(pixel(shape.Left()), pixel(shape.Top()), pixel(shape.Width()),
                       pixel(shape.Height())));
}

void FormSurface::paintShapeIn(QPainter& painter, const tk::Shape& shape, QRect box) {
    if (box.width() <= 0 || box.height() <= 0)
        return;
    const tk::Integer code = shape.ShapeCode();
    const bool squareShape = code == tk::ShapeCodes::Square || code == tk::ShapeCodes::Circle ||
                             code == tk::ShapeCodes::RoundedSquare;
    if (squareShape) {
        int side = std::min(box.width(), box.height());
        box = QRect(box.x() + (box.width() - side) / 2, box.y() + (box.height() - side) / 2, side,
                    side);
    }
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

void FormSurface::paintLine(QPainter& painter, const tk::Line& line) {
    QColor colour =
        line.BorderColor < 0 ? palette().color(QPalette::WindowText) : toQColor(line.BorderColor);
    QPen pen(colour, std::max(1, line.BorderWidth));
    pen.setCapStyle(Qt::FlatCap);
    painter.setPen(pen);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.drawLine(QPointF(line.X1, line.Y1), QPointF(line.X2, line.Y2));
}

} // namespace tkqt
