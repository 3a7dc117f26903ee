#pragma once

#include "toolkit/Control.h"
#include "toolkit/Form.h"
#include "toolkit/SceneTracker.h"
#include "toolkit/web/PageBridge.h"

#include <initializer_list>

#include <string>
#include <vector>

namespace tkweb {

using tk::PixelRect;

// The shapes and lines of a form on the page's canvas, beneath the controls. A change marks the
// old and new place; at the browser's next frame only those places are repainted, each with the
// items that cross it, in scene order. The elements of a shape array (the trail) are drawn once
// into a cached layer as soon as a newer element follows them, so a frame costs the same with 30
// dots or 32,766. The page only executes the drawing list it is given.
class WebSurface {
public:
    WebSurface(tk::Form& form, int formId);

    void sceneChanged(tk::Control& control, tk::Prop what) { tracker_.changed(control, what); }
    // Repaints what changed since the last frame; the page calls it at its next frame.
    void paint();
    // Everything again, as after a change of the device's pixel ratio.
    void repaintAll();
    // The tooltip of the topmost visible shape at a point (the step that left a trail dot), or "".
    std::string tipAt(int x, int y) const { return tracker_.tipAt(x, y); }
    // Items painted so far, the trail layer's included; for measurements.
    long long itemsPainted() const { return itemsPainted_; }

private:
    void update(const PixelRect& area);
    void emit(bridge::Op op, std::initializer_list<float> operands);
    void emitShape(const tk::Shape& shape, bridge::ShapeTarget target);
    void emitLine(const tk::Line& line);

    tk::Form& form_;
    int formId_;
    tk::SceneTracker tracker_;
    std::vector<PixelRect> dirty_;
    std::vector<float> ops_;
    bool frameRequested_ = false;
    long long itemsPainted_ = 0;
};

} // namespace tkweb
