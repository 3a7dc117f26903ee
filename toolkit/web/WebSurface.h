#pragma once

#include "toolkit/Control.h"
#include "toolkit/Form.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace tkweb {

// A rectangle of the client area in whole pixels.
struct PixelRect {
    int x = 0, y = 0, width = 0, height = 0;
    bool empty() const { return width <= 0 || height <= 0; }
    bool intersects(const PixelRect& o) const {
        return x < o.x + o.width && o.x < x + width && y < o.y + o.height && o.y < y + height;
    }
    PixelRect united(const PixelRect& o) const;
    bool contains(int px, int py) const { return px >= x && px < x + width && py >= y && py < y + height; }
};

// The shapes and lines of a form on the page's canvas, beneath the controls. A change marks the
// old and new place; at the browser's next frame only those places are repainted, each with the
// items that cross it, in scene order. The elements of a shape array (the trail) are drawn once
// into a cached layer as soon as a newer element follows them, so a frame costs the same with 30
// dots or 32,766. The page only executes the drawing list it is given.
class WebSurface {
public:
    WebSurface(tk::Form& form, int formId);

    void sceneChanged(tk::Control& control, tk::Prop what);
    // Repaints what changed since the last frame; the page calls it at its next frame.
    void paint();
    // Everything again, as after a change of the device's pixel ratio.
    void repaintAll();
    // The tooltip of the topmost visible shape at a point (the step that left a trail dot), or "".
    std::string tipAt(int x, int y) const;
    // Where a shape or line covers the surface, in pixels, border included.
    static PixelRect extent(const tk::Control& control);
    // Items painted so far, the trail layer's included; for measurements.
    long long itemsPainted() const { return itemsPainted_; }

private:
    // Where an item was last drawn, cut to 16 bits; no width means nowhere. 8 bytes a dot.
    struct Drawn {
        std::int16_t x = 0, y = 0, width = 0, height = 0;
    };
    static Drawn drawnAt(const PixelRect& place);
    struct ArrayRecord {
        std::vector<Drawn> drawn;
        const tk::ControlArray<tk::Shape>* shapes = nullptr;
        tk::Integer live = -1;             // the newest element, drawn live
        std::vector<tk::Integer> pending;  // settled since the last frame, to add to the layer
        bool stale = true;                 // a settled element changed: redraw the layer whole
    };
    Drawn& drawnRecord(const tk::Control& control, ArrayRecord* array);
    void noteArrayChange(ArrayRecord& array, const tk::Control& control, tk::Prop what,
                         bool wasDrawn);
    void refreshLayer(ArrayRecord& array);
    void update(const PixelRect& area);
    void emitShape(const tk::Shape& shape, int target);
    void emitLine(const tk::Line& line);

    tk::Form& form_;
    int formId_;
    std::unordered_map<std::string_view, ArrayRecord> arrays_;
    std::unordered_map<const tk::Control*, Drawn> lone_;
    std::vector<PixelRect> dirty_;
    std::vector<float> ops_;
    bool frameRequested_ = false;
    long long itemsPainted_ = 0;
};

} // namespace tkweb
