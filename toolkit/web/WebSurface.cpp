#include "toolkit/web/WebSurface.h"

#include "toolkit/SceneItems.h"
#include "toolkit/web/PageBridge.h"

#include <emscripten.h>

#include <algorithm>
#include <cassert>
#include <cmath>

namespace tkweb {

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

// The length the page steps over for an operation.
constexpr bridge::OpLength lengthOf(bridge::Op op) {
    switch (op) {
    case bridge::Op::Clip: return bridge::OpLength::Clip;
    case bridge::Op::EndClip: return bridge::OpLength::EndClip;
    case bridge::Op::Shape: return bridge::OpLength::Shape;
    case bridge::Op::Line: return bridge::OpLength::Line;
    case bridge::Op::Layer: return bridge::OpLength::Layer;
    case bridge::Op::ClearLayer: return bridge::OpLength::ClearLayer;
    }
    return bridge::OpLength::EndClip;
}

void WebSurface::emit(bridge::Op op, std::initializer_list<float> operands) {
    assert(static_cast<int>(operands.size()) + 1 == bridge::n(lengthOf(op)));
    ops_.push_back(static_cast<float>(bridge::n(op)));
    ops_.insert(ops_.end(), operands);
}

void WebSurface::emitShape(const tk::Shape& shape, bridge::ShapeTarget target) {
    const PixelRect box = tk::shapeBox(shape);
    if (box.empty())
        return;
    const tk::Integer code = shape.ShapeCode();
    const bridge::ShapeForm form =
        code == tk::ShapeCodes::Oval || code == tk::ShapeCodes::Circle ? bridge::ShapeForm::Ellipse
        : code >= tk::ShapeCodes::RoundedRectangle                    ? bridge::ShapeForm::Rounded
                                                                       : bridge::ShapeForm::Box;
    ++itemsPainted_;
    emit(bridge::Op::Shape, {static_cast<float>(bridge::n(target)), static_cast<float>(bridge::n(form)), static_cast<float>(box.x),
                             static_cast<float>(box.y), static_cast<float>(box.width),
                             static_cast<float>(box.height),
                             shape.FillStyle() == 0 ? 1.0F : 0.0F,
                             static_cast<float>(shape.FillColor())});
}

void WebSurface::emitLine(const tk::Line& line) {
    ++itemsPainted_;
    emit(bridge::Op::Line, {line.X1, line.Y1, line.X2, line.Y2,
                             static_cast<float>(line.BorderColor),
                             static_cast<float>(std::max(1, line.BorderWidth))});
}

void WebSurface::paint() {
    frameRequested_ = false;
    if (dirty_.empty())
        return;
    ops_.clear();
    tracker_.refreshLayers([&](const auto&) { emit(bridge::Op::ClearLayer, {}); },
                           [&](const tk::Shape& shape) { emitShape(shape, bridge::ShapeTarget::Layer); },
                           tk::SceneTracker::Layers::Shared); // the page keeps one trail layer
    const PixelRect surface{0, 0, form_.clientWidth(), form_.clientHeight()};
    for (const PixelRect& area : dirty_) {
        if (!area.intersects(surface))
            continue;
        const float place[] = {static_cast<float>(area.x), static_cast<float>(area.y),
                               static_cast<float>(area.width), static_cast<float>(area.height)};
        emit(bridge::Op::Clip, {place[0], place[1], place[2], place[3]});
        tracker_.paint(area, [](const PixelRect&) { return true; },
                       [&](const tk::Control& c) {
                           if (c.kind() == tk::Kind::Line)
                               emitLine(static_cast<const tk::Line&>(c));
                           else
                               emitShape(static_cast<const tk::Shape&>(c), bridge::ShapeTarget::Scene);
                       },
                       [&](const auto&) {
                           emit(bridge::Op::Layer, {place[0], place[1], place[2], place[3]});
                       });
        emit(bridge::Op::EndClip, {});
    }
    dirty_.clear();
    js_draw(formId_, ops_.data(), static_cast<int>(ops_.size()));
}

} // namespace tkweb
