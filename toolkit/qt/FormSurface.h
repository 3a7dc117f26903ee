#pragma once

#include "toolkit/Control.h"
#include "toolkit/Form.h"

#include <QImage>
#include <QRect>
#include <QWidget>

#include <string_view>
#include <unordered_map>
#include <vector>

namespace tkqt {

// The client area of a form: paints its shapes and lines beneath the child widgets and
// repaints only the places that a change touched. The elements of a shape array (the trail)
// are drawn once into a cached layer as soon as a newer element follows them, so a repaint
// costs the same with 30 dots or 32,766.
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
    // The settled elements of a shape array, drawn in index order; the newest is drawn live.
    struct ArrayLayer {
        // Bands of bandHeight rows across the surface; a band no dot touches takes no memory.
        std::vector<QImage> bands;
        qreal ratio = 1;
        tk::Integer live = -1;
        std::vector<tk::Integer> pending; // settled since the last paint, to add on top
        bool stale = true;                // a settled element changed: redraw the layer whole
    };

    void paintShape(class QPainter& painter, const tk::Shape& shape);
    void paintLine(class QPainter& painter, const tk::Line& line);
    void noteArrayChange(const tk::Control& control, tk::Prop what, bool wasPainted);
    void paintArray(class QPainter& painter, const tk::ControlArray<tk::Shape>& array,
                    const class QRegion& dirty);
    void refreshLayer(const tk::ControlArray<tk::Shape>& array, ArrayLayer& layer);
    // Draws one settled element into the bands it touches, making them as needed.
    void drawIntoLayer(ArrayLayer& layer, const tk::Shape& shape);
    static constexpr int bandHeight = 64;

    tk::Form& form_;
    std::unordered_map<std::string_view, const tk::ControlArray<tk::Shape>*> shapeArrays_;
    std::unordered_map<const tk::ControlArray<tk::Shape>*, ArrayLayer> layers_;
    long long itemsPainted_ = 0;
};

// A model colour (red + 256 green + 65536 blue) as a QColor.
QColor toQColor(tk::Colour colour);

} // namespace tkqt
