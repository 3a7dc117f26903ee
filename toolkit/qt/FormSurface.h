#pragma once

#include "toolkit/Control.h"
#include "toolkit/Form.h"

#include <QImage>
#include <QRect>
#include <QWidget>

#include <cstdint>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace tkqt {

// The client area of a form: paints its shapes and lines beneath the child widgets and
// repaints only the places that a change touched. The elements of a shape array (the trail)
// are drawn once into a cached layer as soon as a newer element follows them, so a repaint
// costs the same with 30 dots or 32,766.
class FormSurface : public QWidget {
    Q_OBJECT

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
    // Shows the tip of the topmost scene shape under the pointer that has one.
    bool event(QEvent* event) override;

private:
    // Where a shape or line was last drawn, cut to 16 bits, which still cover every pixel of
    // the surface; a record without width means nowhere. 8 bytes, kept for every trail dot.
    struct Drawn {
        std::int16_t x = 0, y = 0, width = 0, height = 0;
    };
    static Drawn drawnAt(const QRect& place);

    // The settled elements of a shape array, drawn in index order; the newest is drawn live.
    struct ArrayLayer {
        // Bands of bandHeight rows across the surface; a band no dot touches takes no memory.
        std::vector<QImage> bands;
        qreal ratio = 1;
        tk::Integer live = -1;
        std::vector<tk::Integer> pending; // settled since the last paint, to add on top
        bool stale = true;                // a settled element changed: redraw the layer whole
    };

    // An array of the scene: where each element was drawn, by index, and for shapes the layer.
    struct ArrayRecord {
        std::vector<Drawn> drawn;
        const tk::ControlArray<tk::Shape>* shapes = nullptr;
        ArrayLayer layer;
    };
    // The drawn record of a lone item (no array) or of an element of `array`, made on first use.
    Drawn& drawnRecord(const tk::Control& control, ArrayRecord* array);

    void paintShape(class QPainter& painter, const tk::Shape& shape);
    void paintShapeIn(class QPainter& painter, const tk::Shape& shape, QRect box);
    // A small settled shape (a trail dot) drawn once per look and stamped where it stands:
    // 32,766 dots drawn afresh at a new scale cost one copy each rather than one curve each.
    const QImage* stampOf(const tk::Shape& shape, qreal ratio);
    std::unordered_map<std::uint64_t, QImage> stamps_;
    void paintLine(class QPainter& painter, const tk::Line& line);
    void noteArrayChange(ArrayLayer& layer, const tk::Control& control, tk::Prop what,
                         bool wasDrawn);
    void paintArray(class QPainter& painter, const tk::ControlArray<tk::Shape>& array,
                    const class QRegion& dirty);
    void refreshLayer(const tk::ControlArray<tk::Shape>& array, ArrayLayer& layer);
    // Draws one settled element into the bands it touches, making them as needed.
    void drawIntoLayer(ArrayLayer& layer, const tk::Shape& shape);
    static constexpr int bandHeight = 64;

    tk::Form& form_;
    // Arrays by name: the elements carry their array's name, not the array.
    std::unordered_map<std::string_view, ArrayRecord> arrays_;
    std::unordered_map<const tk::Control*, Drawn> lone_;
    long long itemsPainted_ = 0;
    bool wholeUpdate_ = false; // the whole surface is to be repainted already
};

} // namespace tkqt
