#pragma once

#include "toolkit/Control.h"
#include "toolkit/Form.h"

#include <QRect>
#include <QWidget>

#include <unordered_map>

namespace tkqt {

// The client area of a form: paints its shapes and lines beneath the child widgets and
// repaints only the places that a change touched.
class FormSurface : public QWidget {
public:
    FormSurface(tk::Form& form, QWidget* parent = nullptr);

    // A shape or line changed: repaints its old and new place.
    void sceneChanged(tk::Control& control, tk::Prop what);
    // Where a shape or line covers the surface, in pixels, border included.
    static QRect extent(const tk::Control& control);

    // Counts every shape and line drawn, for measurements.
    long long itemsPainted() const { return itemsPainted_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void paintShape(class QPainter& painter, const tk::Shape& shape);
    void paintLine(class QPainter& painter, const tk::Line& line);

    tk::Form& form_;
    std::unordered_map<const tk::Control*, QRect> painted_;
    long long itemsPainted_ = 0;
};

// A model colour (red + 256 green + 65536 blue) as a QColor.
QColor toQColor(tk::Colour colour);

} // namespace tkqt
