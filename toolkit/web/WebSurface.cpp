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

namespace {

// A model position or size in whole pixels; far-away values are clamped off the surface.
int pixel(tk::Single value) {
    constexpr tk::Single limit = 1e6F;
    return static_cast<int>(std::lround(std::clamp(value, -limit, limit)));
}

} // namespace

PixelRect PixelRect::united(const PixelRect& o) const {
    const int left = std::min(x, o.x), top = std::min(y, o.y);
    return {left, top, std::max(x + width, o.x + o.width) - left,
            std::max(y + height, o.y + o.height) - top};
}

WebSurface::Drawn WebSurface::drawnAt(const PixelRect& place) {
    auto cut = [](int v) { return static_cast<std::int16_t>(std::clamp(v, -16384, 16383)); };
    return {cut(place.x), cut(place.y), cut(std::min(place.width, 32767)),
            cut(std::min(place.height, 32767))};
}

WebSurface::WebSurface(tk::Form& form, int formId) : form_(form), formId_(formId) {
    // Where the items stand now is where the first frame draws them: their first change must
    // clear that place, whatever starts it.
    auto record = [&](const tk::Control& c, ArrayRecord* array) {
        if (c.Visible())
            drawnRecord(c, array) = drawnAt(extent(c));
    };
    tk::forEachSceneItem(
        form_, [&](const auto& item) { record(item, nullptr); },
        [&](const auto& array) {
            using A = std::decay_t<decltype(array)>;
            ArrayRecord& rec = arrays_[array.name()];
            if constexpr (std::is_same_v<A, tk::ControlArray<tk::Shape>>)
                rec.shapes = &array;
            for (const auto& [index, element] : array)
                record(*element, &rec);
        });
    repaintAll();
}

WebSurface::Drawn& WebSurface::drawnRecord(const tk::Control& control, ArrayRecord* array) {
    if (!array)
        return lone_[&control];
    const auto at = static_cast<std::size_t>(control.index());
    if (array->drawn.size() <= at)
        array->drawn.resize(at + 1);
    return array->drawn[at];
}

PixelRect WebSurface::extent(const tk::Control& control) {
    if (control.kind() == tk::Kind::Line) {
        const auto& line = static_cast<const tk::Line&>(control);
        const int w = std::max(1, line.BorderWidth);
        const int x1 = pixel(std::min(line.X1, line.X2)), y1 = pixel(std::min(line.Y1, line.Y2));
        const int x2 = pixel(std::max(line.X1, line.X2)), y2 = pixel(std::max(line.Y1, line.Y2));
        return {x1 - w, y1 - w, x2 - x1 + 1 + 2 * w, y2 - y1 + 1 + 2 * w};
    }
    return {pixel(control.Left()) - 1, pixel(control.Top()) - 1,
            std::max(1, pixel(control.Width())) + 2, std::max(1, pixel(control.Height())) + 2};
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
    for (auto& [name, array] : arrays_)
        array.stale = true;
    update({0, 0, form_.clientWidth(), form_.clientHeight()});
}

void WebSurface::sceneChanged(tk::Control& control, tk::Prop what) {
    ArrayRecord* array = control.index() >= 0 ? &arrays_[control.name()] : nullptr;
    Drawn& drawn = drawnRecord(control, array);
    const bool wasDrawn = drawn.width > 0;
    if (array && array->shapes)
        noteArrayChange(*array, control, what, wasDrawn);
    if (wasDrawn)
        update({drawn.x, drawn.y, drawn.width, drawn.height});
    if (what == tk::Prop::Destroyed || !control.Visible()) {
        drawn = Drawn();
        return;
    }
    const PixelRect now = extent(control);
    drawn = drawnAt(now);
    update(now);
}

void WebSurface::noteArrayChange(ArrayRecord& array, const tk::Control& control, tk::Prop what,
                                 bool wasDrawn) {
    const tk::Integer index = control.index();
    if (what == tk::Prop::Destroyed) {
        if (index == array.live)
            array.live = -1;
        else if (wasDrawn)
            array.stale = true;
        return;
    }
    if (!wasDrawn && !control.Visible())
        return;
    if (index > array.live) {
        if (array.live >= 0)
            array.pending.push_back(array.live);
        array.live = index;
    } else if (index < array.live) {
        array.stale = true;
    }
}

void WebSurface::emitShape(const tk::Shape& shape, int target) {
    int x = pixel(shape.Left()), y = pixel(shape.Top());
    int w = pixel(shape.Width()), h = pixel(shape.Height());
    if (w <= 0 || h <= 0)
        return;
    const tk::Integer code = shape.ShapeCode();
    if (code == tk::ShapeCodes::Square || code == tk::ShapeCodes::Circle ||
        code == tk::ShapeCodes::RoundedSquare) {
        const int side = std::min(w, h);
        x += (w - side) / 2;
        y += (h - side) / 2;
        w = h = side;
    }
    const float form = code == tk::ShapeCodes::Oval || code == tk::ShapeCodes::Circle ? 1
                       : code >= tk::ShapeCodes::RoundedRectangle                    ? 2
                                                                                     : 0;
    ++itemsPainted_;
    ops_.insert(ops_.end(), {op::Shape, static_cast<float>(target), form, static_cast<float>(x),
                             static_cast<float>(y), static_cast<float>(w), static_cast<float>(h),
                             shape.FillStyle() == 0 ? 1.0F : 0.0F,
                             static_cast<float>(shape.FillColor())});
}

void WebSurface::emitLine(const tk::Line& line) {
    ++itemsPainted_;
    ops_.insert(ops_.end(), {op::Line, line.X1, line.Y1, line.X2, line.Y2,
                             static_cast<float>(line.BorderColor),
                             static_cast<float>(std::max(1, line.BorderWidth))});
}

void WebSurface::refreshLayer(ArrayRecord& array) {
    if (!array.stale && array.pending.empty())
        return;
    const auto& shapes = *array.shapes;
    auto settled = [&](tk::Integer index) {
        return index != array.live && shapes.exists(index) && shapes(index).Visible();
    };
    if (array.stale) {
        ops_.push_back(op::ClearLayer);
        for (const auto& [index, element] : shapes)
            if (settled(index))
                emitShape(*element, 1);
    } else {
        for (tk::Integer index : array.pending)
            if (settled(index))
                emitShape(shapes(index), 1);
    }
    array.pending.clear();
    array.stale = false;
}

std::string WebSurface::tipAt(int x, int y) const {
    std::string tip;
    // Items later in the scene are drawn on top: the last hit wins.
    auto consider = [&](const tk::Control& c) {
        if (c.Visible() && c.kind() == tk::Kind::Shape && extent(c).contains(x, y))
            if (std::string text = form_.toolTipOf(c); !text.empty())
                tip = std::move(text);
    };
    tk::forEachSceneItem(form_, consider, [&](const auto& array) {
        for (const auto& [index, element] : array)
            consider(*element);
    });
    return tip;
}

void WebSurface::paint() {
    frameRequested_ = false;
    if (dirty_.empty())
        return;
    ops_.clear();
    for (auto& [name, array] : arrays_)
        if (array.shapes)
            refreshLayer(array);
    const PixelRect surface{0, 0, form_.clientWidth(), form_.clientHeight()};
    for (const PixelRect& area : dirty_) {
        if (!area.intersects(surface))
            continue;
        ops_.insert(ops_.end(), {op::Clip, static_cast<float>(area.x), static_cast<float>(area.y),
                                 static_cast<float>(area.width), static_cast<float>(area.height)});
        auto paintOne = [&](const tk::Control& c) {
            if (!c.Visible() || !extent(c).intersects(area))
                return;
            if (c.kind() == tk::Kind::Line)
                emitLine(static_cast<const tk::Line&>(c));
            else
                emitShape(static_cast<const tk::Shape&>(c), 0);
        };
        tk::forEachSceneItem(form_, paintOne, [&](const auto& array) {
            using A = std::decay_t<decltype(array)>;
            if constexpr (std::is_same_v<A, tk::ControlArray<tk::Shape>>) {
                ops_.insert(ops_.end(),
                            {op::Layer, static_cast<float>(area.x), static_cast<float>(area.y),
                             static_cast<float>(area.width), static_cast<float>(area.height)});
                const tk::Integer live = arrays_[array.name()].live;
                if (live >= 0 && array.exists(live))
                    paintOne(array(live));
            } else {
                for (const auto& [index, element] : array)
                    paintOne(*element);
            }
        });
        ops_.push_back(op::EndClip);
    }
    dirty_.clear();
    js_draw(formId_, ops_.data(), static_cast<int>(ops_.size()));
}

} // namespace tkweb
