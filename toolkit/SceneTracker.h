#pragma once

#include "toolkit/Control.h"
#include "toolkit/ControlArray.h"
#include "toolkit/Form.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace tk {

// A model position or size in whole pixels, halves away from zero. Far-away values are clamped:
// they are off the window either way, and the clamp leaves room to add a size without
// overflowing an int; a value that is not a number is 0. Inline and without a call to floor:
// every place of every item is rounded at every paint.
inline int pixel(Single value) {
    constexpr double limit = 1e6;
    const double v = value; // exact; so is |v| + 0.5 below the limit
    if (!(v > -limit))
        return v < 0 ? -static_cast<int>(limit) : 0; // below the limit, or not a number
    if (v > limit)
        return static_cast<int>(limit);
    const int whole = static_cast<int>((v < 0 ? -v : v) + 0.5); // truncation is floor here
    return v < 0 ? -whole : whole;
}

// A rectangle of a form's client area in whole pixels.
struct PixelRect {
    int x = 0, y = 0, width = 0, height = 0;
    bool empty() const { return width <= 0 || height <= 0; }
    bool intersects(const PixelRect& o) const {
        return x < o.x + o.width && o.x < x + width && y < o.y + o.height && o.y < y + height;
    }
    PixelRect united(const PixelRect& o) const;
    bool contains(int px, int py) const {
        return px >= x && px < x + width && py >= y && py < y + height;
    }
    bool operator==(const PixelRect&) const = default;
};

// Where a shape or line covers the surface, border included.
PixelRect sceneExtent(const Control& control);

// The box a shape is drawn in: a square kind (square, circle, rounded square) takes the shorter
// side, centred in its control's box. Empty when the shape has no size.
PixelRect shapeBox(const Shape& shape);

// What both bindings keep of a form's scene (its lone shapes and lines and its control arrays)
// to repaint only what changed: where each item was last drawn, and for each shape array (the
// trail) which element is the newest, drawn live, and which settled since the last paint, to be
// added to a cached layer. A surface says "paint this place" and "paint these items"; the rest
// is here.
class SceneTracker {
public:
    using Damage = std::function<void(const PixelRect&)>;
    // `damage` is told each place that must be painted again.
    SceneTracker(const Form& form, Damage damage);

    // A shape or line changed: its old and new places are damaged, its array's layer noted.
    void changed(const Control& control, Prop what);
    // Every layer must be drawn whole at the next refresh (a new pixel ratio or size).
    void invalidateLayers();
    // Whether each shape array has a layer of its own or all share one, which a whole redraw
    // of any of them clears for all.
    enum class Layers { PerArray, Shared };
    // Brings each shape array's layer up to date: `clear` before drawing it whole (once for a
    // shared layer), then `draw` for each settled element that must be added.
    void refreshLayers(const std::function<void(const ControlArray<Shape>&)>& clear,
                       const std::function<void(const Shape&)>& draw,
                       Layers layers = Layers::PerArray);
    // The visible items crossing a place, in scene order: `item` for each lone item or element;
    // for a shape array `layer`, then `item` for its live element. `crosses` is asked only of
    // the items inside `bounds`, the place's bounding rectangle.
    void paint(const PixelRect& bounds, const std::function<bool(const PixelRect&)>& crosses,
               const std::function<void(const Control&)>& item,
               const std::function<void(const ControlArray<Shape>&)>& layer) const;
    // The tooltip of the topmost visible shape at a point (the step that left a trail dot), or "".
    std::string tipAt(int x, int y) const;

private:
    // Where an item was last drawn, cut to 16 bits, which still cover every pixel of a surface;
    // no width means nowhere. 8 bytes, kept for every trail dot.
    struct Drawn {
        std::int16_t x = 0, y = 0, width = 0, height = 0;
    };
    static Drawn drawnAt(const PixelRect& place);
    struct ArrayRecord {
        std::vector<Drawn> drawn;
        const ControlArray<Shape>* shapes = nullptr;
        Integer live = -1;            // the newest element, drawn live
        std::vector<Integer> pending; // settled since the last refresh, to add to the layer
        bool stale = true;            // a settled element changed: redraw the layer whole
    };
    Drawn& drawnRecord(const Control& control, ArrayRecord* array);
    static void noteArrayChange(ArrayRecord& array, const Control& control, Prop what,
                                bool wasDrawn);

    const Form& form_;
    Damage damage_;
    // Arrays by name: the elements carry their array's name, not the array.
    std::unordered_map<std::string_view, ArrayRecord> arrays_;
    // The array of a control: the elements of one array share their name's characters, and a
    // tick tells of one array's elements one after another (an arrow's three strokes).
    ArrayRecord& arrayOf(const Control& element);
    const char* lastName_ = nullptr;
    ArrayRecord* lastArray_ = nullptr;
    std::unordered_map<const Control*, Drawn> lone_;
    bool wholeDamaged_ = false; // the whole surface is damaged already, until the next refresh
};

} // namespace tk
