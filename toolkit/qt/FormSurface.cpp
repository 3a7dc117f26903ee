#include "toolkit/qt/FormSurface.h"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace tkqt {

namespace {

int pixel(tk::Single value) {
    // Far-away positions are clamped: they are off the surface either way.
    constexpr tk::Single limit = 1 << 24;
    return static_cast<int>(std::lround(std::clamp(value, -limit, limit)));
}

QRect rectOf(const tk::Control::Drawn& d) {
    return QRect(d.x, d.y, d.width, d.height);
}

// A place on the surface in the control's compact record; far-away places are cut to what
// 16 bits hold, which still covers every pixel of the surface.
tk::Control::Drawn drawnOf(const QRect& r) {
    const QRect cut = r & QRect(-16384, -16384, 32767, 32767);
    return {static_cast<std::int16_t>(cut.x()), static_cast<std::int16_t>(cut.y()),
            static_cast<std::int16_t>(cut.width()), static_cast<std::int16_t>(cut.height())};
}

// Runs `single` for lone shapes and lines and `array` for arrays of them.
template <class Single, class Array>
void forEachItem(const tk::Form& form, Single single, Array array) {
    for (const tk::SceneItem& item : form.scene())
        std::visit(
            [&](auto* p) {
                using T = std::remove_pointer_t<decltype(p)>;
                if constexpr (std::is_same_v<T, tk::Shape> || std::is_same_v<T, tk::Line>)
                    single(*p);
                else
                    array(*p);
            },
            item);
}

} // namespace

QColor toQColor(tk::Colour colour) {
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

FormSurface::FormSurface(tk::Form& form, QWidget* parent) : QWidget(parent), form_(form) {
    setAutoFillBackground(true);
    // Remember where the items visible from the start stand, so hiding them repaints that place.
    auto remember = [](const tk::Control& c) {
        if (!c.Visible())
            return;
        QRect r = extent(c);
        c.drawn = drawnOf(r);
        c.drawnValid = true;
    };
    forEachItem(form_, remember, [&](const auto& array) {
        using A = std::decay_t<decltype(array)>;
        if constexpr (std::is_same_v<A, tk::ControlArray<tk::Shape>>)
            shapeArrays_[array.name()] = &array;
        for (const auto& [index, element] : array)
            remember(*element);
    });
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
    const bool wasDrawn = control.drawnValid;
    if (control.index() >= 0 && control.kind() == tk::Kind::Shape)
        noteArrayChange(control, what, wasDrawn);
    if (wasDrawn)
        update(rectOf(control.drawn));
    if (what == tk::Prop::Destroyed || !control.Visible()) {
        control.drawnValid = false;
        return;
    }
    QRect now = extent(control);
    control.drawn = drawnOf(now);
    control.drawnValid = true;
    update(now);
}

void FormSurface::paintEvent(QPaintEvent* event) {
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
    forEachItem(form_, paintOne, [&](const auto& array) {
        using A = std::decay_t<decltype(array)>;
        if constexpr (std::is_same_v<A, tk::ControlArray<tk::Shape>>) {
            paintArray(painter, array, dirty);
            const tk::Integer live = layers_[&array].live;
            if (live >= 0 && array.exists(live))
                paintOne(array(live));
        } else {
            for (const auto& [index, element] : array)
                paintOne(*element);
        }
    });
}

void FormSurface::noteArrayChange(const tk::Control& control, tk::Prop what, bool wasDrawn) {
    auto array = shapeArrays_.find(control.name());
    if (array == shapeArrays_.end())
        return;
    ArrayLayer& layer = layers_[array->second];
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
        paintShape(painter, shape);
    }
}

void FormSurface::paintArray(QPainter& painter, const tk::ControlArray<tk::Shape>& array,
                             const QRegion& dirty) {
    ArrayLayer& layer = layers_[&array];
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

void FormSurface::paintShape(QPainter& painter, const tk::Shape& shape) {
    QRect box(pixel(shape.Left()), pixel(shape.Top()), pixel(shape.Width()), pixel(shape.Height()));
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
