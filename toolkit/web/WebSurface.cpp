#include "toolkit/web/WebSurface.h"

#include "toolkit/SceneItems.h"

#include <emscripten.h>

#include <algorithm>
#include <cmath>

namespace tkweb {

// The drawing list's operations; the page's draw() executes them in order.
namespace op {
constexpr float Clip = 1;       // x, y, w, h: clears the place and draws only inside it
constexpr float EndClip = 2;    //
constexpr float Shape = 3;      // target (0 scene, 1 layer), form (0 box, 1 ellipse, 2 rounded),
                                // x, y, w, h, filled, colour
constexpr float Line = 4;       // x1, y1, x2, y2, colour (-1 window text), width
constexpr float Layer = 5;      // x, y, w, h: copies that place of the trail layer
constexpr float ClearLayer = 6; //
} // namespace op

EM_JS(void, js_request_frame, (int form), { Module.tk.requestFrame(form); });
EM_JS(void, js_draw, (int form, const float* ops, int count),
      { Module.tk.draw(form, HEAPF32.subarray(ops >> 2, (ops >> 2) + count)); });

using tk::pixel;

WebSurface::WebSurface(tk::Form& form, int formId)
    : form_(form), formId_(formId), tracker_(form, [this](const PixelRect& place) { update(place); }) {
    repaintAll();
}

void WebSurface::update(const PixelRect& area) {
    if (area.empty())
        return;
    // Many small places (a clear of the trail) become their bounding box.
    if (dirty_.size() >= 32) {
        PixelRect all = area;
        for (const PixelRect& r : dirty_)
            all = all.united(r);
        dirty_.assign(1, all);
    } else {
        dirty_.push_back(area);
    }
    if (!frameRequested_) {
        frameRequested_ = true;
        js_request_frame(formId_);
    }
}

void WebSurface::repaintAll() {
    tracker_.invalidateLayers();
    update({0, 0, form_.clientWidth(), form_.clientHeight()});
}

void WebSurface::emitShape(const tk::Shape& shape, int target) {
    const PixelRect box = tk::shapeBox(shape);
    if (box.empty())
        return;
    const tk::Integer code = shape.ShapeCode();
    const float form = code == tk::ShapeCodes::Oval || code == tk::ShapeCodes::Circle ? 1
                       : code >= tk::ShapeCodes::RoundedRectangle                    ? 2
                                                                                     : 0;
    ++itemsPainted_;
    ops_.insert(ops_.end(), {op::Shape, static_cast<float>(target), form, static_cast<float>(box.x),
                             static_cast<float>(box.y), static_cast<float>(box.width),
                             static_cast<float>(box.height),
                             shape.FillStyle() == 0 ? 1.0F : 0.0F,
                             static_cast<float>(shape.FillColor())});
}

void WebSurface::emitLine(const tk::Line& line) {
    ++itemsPainted_;
    ops_.insert(ops_.end(), {op::Line, line.X1, line.Y1, line.X2, line.Y2,
                             static_cast<float>(line.BorderColor),
                             static_cast<float>(std::max(1, line.BorderWidth))});
}

void WebSurface::paint() {
    frameRequested_ = false;
    if (dirty_.empty())
        return;
    ops_.clear();
    tracker_.refreshLayers([&](const auto&) { ops_.push_back(op::ClearLayer); },
                           [&](const tk::Shape& shape) { emitShape(shape, 1); },
                           tk::SceneTracker::Layers::Shared); // the page keeps one trail layer
    const PixelRect surface{0, 0, form_.clientWidth(), form_.clientHeight()};
    for (const PixelRect& area : dirty_) {
        if (!area.intersects(surface))
            continue;
        const float place[] = {static_cast<float>(area.x), static_cast<float>(area.y),
                               static_cast<float>(area.width), static_cast<float>(area.height)};
        ops_.push_back(op::Clip);
        ops_.insert(ops_.end(), std::begin(place), std::end(place));
        tracker_.paint([&](const PixelRect& item) { return item.intersects(area); },
                       [&](const tk::Control& c) {
                           if (c.kind() == tk::Kind::Line)
                               emitLine(static_cast<const tk::Line&>(c));
                           else
                               emitShape(static_cast<const tk::Shape&>(c), 0);
                       },
                       [&](const auto&) {
                           ops_.push_back(op::Layer);
                           ops_.insert(ops_.end(), std::begin(place), std::end(place));
                       });
        ops_.push_back(op::EndClip);
    }
    dirty_.clear();
    js_draw(formId_, ops_.data(), static_cast<int>(ops_.size()));
}

} // namespace tkweb
