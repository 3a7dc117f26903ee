#include "toolkit/qt/FormSurface.h"

#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace tkqt {

namespace {

int pixel(tk::Single value) {
    // Far-away positions are clamped: they are off the surface either way.
    constexpr tk::Single limit = 1 << 24;
    return static_cast<int>(std::lround(std::clamp(value, -limit, limit)));
}

} // namespace

QColor toQColor(tk::Colour colour) {
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

FormSurface::FormSurface(tk::Form& form, QWidget* parent) : QWidget(parent), form_(form) {
    setAutoFillBackground(true);
    // Remember where the items visible from the start stand, so hiding them repaints that place.
    for (const tk::SceneItem& item : form_.scene())
        std::visit(
            [&](auto* p) {
                using T = std::remove_pointer_t<decltype(p)>;
                if constexpr (std::is_same_v<T, tk::Shape> || std::is_same_v<T, tk::Line>) {
                    if (p->Visible())
                        painted_[p] = extent(*p);
                } else {
                    if constexpr (std::is_same_v<T, tk::ControlArray<tk::Shape>>)
                        shapeArrays_[p->name()] = p;
                    for (const auto& [index, element] : *p)
                        if (element->Visible())
                            painted_[element.get()] = extent(*element);
                }
            },
            item);
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
    auto it = painted_.find(&control);
    if (control.index() >= 0 && control.kind() == tk::Kind::Shape)
        noteArrayChange(control, what, it != painted_.end());
    if (it != painted_.end()) {
        update(it->second);
        if (what == tk::Prop::Destroyed || !control.Visible()) {
            painted_.erase(it);
            return;
        }
    }
    if (what == tk::Prop::Destroyed || !control.Visible())
        return;
    QRect now = extent(control);
    painted_[&control] = now;
    update(now);
}

void FormSurface::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRegion& dirty = event->region();
    const QRect bounds = dirty.boundingRect();
    auto wanted = [&](const tk::Control& c) {
        if (!c.Visible())
            return false;
        QRect r = extent(c);
        return r.intersects(bounds) && dirty.intersects(r);
    };
    auto paintOne = [&](const tk::Control& c) {
        if (!wanted(c))
            return;
        ++itemsPainted_;
        if (c.kind() == tk::Kind::Line)
            paintLine(painter, static_cast<const tk::Line&>(c));
        else
            paintShape(painter, static_cast<const tk::Shape&>(c));
    };
    for (const tk::SceneItem& item : form_.scene()) {
        std::visit(
            [&](auto* p) {
                using T = std::remove_pointer_t<decltype(p)>;
                if constexpr (std::is_same_v<T, tk::Shape> || std::is_same_v<T, tk::Line>) {
                    paintOne(*p);
                } else if constexpr (std::is_same_v<T, tk::ControlArray<tk::Shape>>) {
                    paintArray(painter, *p, dirty);
                    const tk::Integer live = layers_[p].live;
                    if (live >= 0 && p->exists(live))
                        paintOne((*p)(live));
                } else {
                    for (const auto& [index, element] : *p)
                        paintOne(*element);
                }
            },
            item);
    }
}

void FormSurface::noteArrayChange(const tk::Control& control, tk::Prop what, bool wasPainted) {
    auto array = shapeArrays_.find(control.name());
    if (array == shapeArrays_.end())
        return;
    ArrayLayer& layer = layers_[array->second];
    const tk::Integer index = control.index();
    if (what == tk::Prop::Destroyed) {
        if (index == layer.live)
            layer.live = -1;
        else if (wasPainted)
            layer.stale = true;
        return;
    }
    if (!wasPainted && !control.Visible())
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
    const QSize pixels = (QSizeF(size()) * ratio).toSize();
    if (layer.image.size() != pixels) {
        layer.image = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
        layer.image.setDevicePixelRatio(ratio);
        layer.stale = true;
    }
    if (!layer.stale && layer.pending.empty())
        return;
    QPainter painter(&layer.image);
    if (layer.stale) {
        layer.image.fill(Qt::transparent);
        for (const auto& [index, element] : array)
            if (index != layer.live && element->Visible()) {
                ++itemsPainted_;
                paintShape(painter, *element);
            }
    } else {
        for (tk::Integer index : layer.pending)
            if (array.exists(index) && array(index).Visible()) {
                ++itemsPainted_;
                paintShape(painter, array(index));
            }
    }
    layer.pending.clear();
    layer.stale = false;
}

void FormSurface::paintArray(QPainter& painter, const tk::ControlArray<tk::Shape>& array, const QRegion& dirty) {
    ArrayLayer& layer = layers_[&array];
    refreshLayer(array, layer);
    const qreal ratio = layer.image.devicePixelRatio();
    for (const QRect& r : dirty) {
        QRectF source(r.x() * ratio, r.y() * ratio, r.width() * ratio, r.height() * ratio);
        painter.drawImage(QRectF(r), layer.image, source);
    }
}

void FormSurface::paintShape(QPainter& painter, const tk::Shape& shape) {
    QRect box(pixel(shape.Left()), pixel(shape.Top()), pixel(shape.Width()), pixel(shape.Height()));
    if (box.width() <= 0 || box.height() <= 0)
        return;
    const tk::Integer code = shape.ShapeCode();
    const bool squareShape = code == tk::ShapeCodes::Square || code == tk::ShapeCodes::Circle ||
                             code == tk::ShapeCodes::RoundedSquare;
    if (squareShape) {
        int side = std::min(box.width(), box.height());
        box = QRect(box.x() + (box.width() - side) / 2, box.y() + (box.height() - side) / 2, side, side);
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
    QColor colour = line.BorderColor < 0 ? palette().color(QPalette::WindowText) : toQColor(line.BorderColor);
    QPen pen(colour, std::max(1, line.BorderWidth));
    pen.setCapStyle(Qt::FlatCap);
    painter.setPen(pen);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.drawLine(QPointF(line.X1, line.Y1), QPointF(line.X2, line.Y2));
}

} // namespace tkqt
