#include "toolkit/SceneTracker.h"

#include "toolkit/SceneItems.h"

#include <algorithm>

namespace tk {

PixelRect PixelRect::united(const PixelRect& o) const {
    const int left = std::min(x, o.x), top = std::min(y, o.y);
    return {left, top, std::max(x + width, o.x + o.width) - left,
            std::max(y + height, o.y + o.height) - top};
}

PixelRect sceneExtent(const Control& control) {
    if (control.kind() == Kind::Line) {
        const auto& line = static_cast<const Line&>(control);
        const int w = std::max(1, line.BorderWidth);
        const int x1 = pixel(std::min(line.X1, line.X2)), y1 = pixel(std::min(line.Y1, line.Y2));
        const int x2 = pixel(std::max(line.X1, line.X2)), y2 = pixel(std::max(line.Y1, line.Y2));
        return {x1 - w, y1 - w, x2 - x1 + 1 + 2 * w, y2 - y1 + 1 + 2 * w};
    }
    return {pixel(control.Left()) - 1, pixel(control.Top()) - 1,
            std::max(1, pixel(control.Width())) + 2, std::max(1, pixel(control.Height())) + 2};
}

PixelRect shapeBox(const Shape& shape) {
    PixelRect box{pixel(shape.Left()), pixel(shape.Top()), pixel(shape.Width()),
                  pixel(shape.Height())};
    const Integer code = shape.ShapeCode();
    if (!box.empty() && (code == ShapeCodes::Square || code == ShapeCodes::Circle ||
                         code == ShapeCodes::RoundedSquare)) {
        const int side = std::min(box.width, box.height);
        box = {box.x + (box.width - side) / 2, box.y + (box.height - side) / 2, side, side};
    }
    return box;
}

SceneTracker::Drawn SceneTracker::drawnAt(const PixelRect& place) {
    // Cut to the 16-bit square around the surface, so that the record still covers the part of
    // the place that can be on screen.
    const PixelRect limit{-16384, -16384, 32767, 32767};
    if (!place.intersects(limit))
        return {};
    const int left = std::max(place.x, limit.x), top = std::max(place.y, limit.y);
    const int right = std::min(place.x + place.width, limit.x + limit.width);
    const int bottom = std::min(place.y + place.height, limit.y + limit.height);
    return {static_cast<std::int16_t>(left), static_cast<std::int16_t>(top),
            static_cast<std::int16_t>(right - left), static_cast<std::int16_t>(bottom - top)};
}

SceneTracker::SceneTracker(const Form& form, Damage damage)
    : form_(form), damage_(std::move(damage)) {
    // Where the items visible from the start stand, so hiding them repaints that place.
    auto remember = [this](const Control& c) {
        if (c.Visible())
            drawnRecord(c, c.index() >= 0 ? &arrays_[c.name()] : nullptr) =
                drawnAt(sceneExtent(c));
    };
    forEachSceneItem(form_, remember, [&](const auto& array) {
        using A = std::decay_t<decltype(array)>;
        ArrayRecord& record = arrays_[array.name()];
        if constexpr (std::is_same_v<A, ControlArray<Shape>>)
            record.shapes = &array;
        for (const auto& [index, element] : array)
            remember(*element);
    });
}

SceneTracker::Drawn& SceneTracker::drawnRecord(const Control& control, ArrayRecord* array) {
    if (!array)
        return lone_[&control];
    const auto at = static_cast<std::size_t>(control.index());
    if (array->drawn.size() <= at)
        array->drawn.resize(at + 1);
    return array->drawn[at];
}

SceneTracker::ArrayRecord& SceneTracker::arrayOf(const Control& element) {
    const std::string_view name = element.name();
    if (name.data() != lastName_) {
        lastName_ = name.data();
        lastArray_ = &arrays_[name]; // a record stays where it is while others are added
    }
    return *lastArray_;
}

void SceneTracker::changed(const Control& control, Prop what) {
    ArrayRecord* array = control.index() >= 0 ? &arrayOf(control) : nullptr;
    Drawn& drawn = drawnRecord(control, array);
    const bool wasDrawn = drawn.width > 0;
    if (array && array->shapes)
        noteArrayChange(*array, control, what, wasDrawn);
    // Settled elements moving together (a trail at a new scale) damage the surface once rather
    // than thousands of places.
    if (array && array->shapes && array->stale && control.index() != array->live &&
        array->drawn.size() > 256) {
        if (!wholeDamaged_)
            damage_({0, 0, form_.clientWidth(), form_.clientHeight()});
        wholeDamaged_ = true;
        drawn = what == Prop::Destroyed || !control.Visible() ? Drawn() : drawnAt(sceneExtent(control));
        return;
    }
    if (wasDrawn)
        damage_({drawn.x, drawn.y, drawn.width, drawn.height});
    if (what == Prop::Destroyed || !control.Visible()) {
        drawn = Drawn();
        return;
    }
    const PixelRect now = sceneExtent(control);
    drawn = drawnAt(now);
    damage_(now);
}

void SceneTracker::noteArrayChange(ArrayRecord& array, const Control& control, Prop what,
                                   bool wasDrawn) {
    const Integer index = control.index();
    if (what == Prop::Destroyed) {
        if (index == array.live)
            array.live = -1;
        else if (wasDrawn)
            array.stale = true;
        return;
    }
    if (!wasDrawn && !control.Visible())
        return; // a hidden element that stays hidden draws nothing
    if (index > array.live) {
        if (array.live >= 0)
            array.pending.push_back(array.live);
        array.live = index;
    } else if (index < array.live) {
        array.stale = true;
    }
}

void SceneTracker::invalidateLayers() {
    for (auto& [name, array] : arrays_)
        array.stale = true;
}

void SceneTracker::refreshLayers(const std::function<void(const ControlArray<Shape>&)>& clear,
                                 const std::function<void(const Shape&)>& draw, Layers layers) {
    if (layers == Layers::Shared &&
        std::any_of(arrays_.begin(), arrays_.end(),
                    [](const auto& entry) { return entry.second.shapes && entry.second.stale; }))
        invalidateLayers();
    bool cleared = false;
    wholeDamaged_ = false;
    for (auto& entry : arrays_) {
        ArrayRecord& array = entry.second; // a named reference: lambdas cannot take a binding
        if (!array.shapes || (!array.stale && array.pending.empty()))
            continue;
        const auto& shapes = *array.shapes;
        auto settled = [&](Integer index) {
            return index != array.live && shapes.exists(index) && shapes(index).Visible();
        };
        if (array.stale) {
            if (layers == Layers::PerArray || !cleared)
                clear(shapes);
            cleared = true;
            for (const auto& [index, element] : shapes)
                if (settled(index))
                    draw(*element);
        } else {
            for (Integer index : array.pending)
                if (settled(index))
                    draw(shapes(index));
        }
        array.pending.clear();
        array.stale = false;
    }
}

void SceneTracker::paint(const PixelRect& bounds, const std::function<bool(const PixelRect&)>& crosses,
                         const std::function<void(const Control&)>& item,
                         const std::function<void(const ControlArray<Shape>&)>& layer) const {
    const auto inside = [&](const PixelRect& place) { return place.intersects(bounds) && crosses(place); };
    auto paintOne = [&](const Control& c) {
        if (c.Visible() && inside(sceneExtent(c)))
            item(c);
    };
    forEachSceneItem(form_, paintOne, [&](const auto& array) {
        using A = std::decay_t<decltype(array)>;
        const auto record = arrays_.find(array.name());
        if constexpr (std::is_same_v<A, ControlArray<Shape>>) {
            layer(array);
            const Integer live = record == arrays_.end() ? -1 : record->second.live;
            if (live >= 0 && array.exists(live))
                paintOne(array(live));
        } else if (record == arrays_.end()) {
            for (const auto& [index, element] : array)
                paintOne(*element);
        } else {
            // Each element where it was drawn last, as every change of place is told here: the
            // grid's and the hidden elements are passed over without being read.
            const std::vector<Drawn>& drawn = record->second.drawn;
            for (std::size_t at = 0; at < drawn.size(); ++at) {
                const Drawn& d = drawn[at];
                const auto index = static_cast<Integer>(at);
                if (d.width > 0 && inside({d.x, d.y, d.width, d.height}) && array.exists(index) &&
                    array(index).Visible())
                    item(array(index));
            }
        }
    });
}

std::string SceneTracker::tipAt(int x, int y) const {
    std::string tip;
    // Items later in the scene are drawn on top: the last hit wins.
    auto consider = [&](const Control& c) {
        if (c.Visible() && c.kind() == Kind::Shape && sceneExtent(c).contains(x, y))
            if (std::string text = form_.toolTipOf(c); !text.empty())
                tip = std::move(text);
    };
    forEachSceneItem(form_, consider, [&](const auto& array) {
        for (const auto& [index, element] : array)
            consider(*element);
    });
    return tip;
}

} // namespace tk
