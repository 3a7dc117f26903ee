#include "toolkit/TipPlace.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>
#include <vector>

namespace tk {

namespace {

constexpr int gap = 2; // pixels between the tip and what it stands beside

bool shown(const Form& form, const Control& control) {
    for (const Control* c = &control; c; c = form.containerOf(*c))
        if (!c->Visible())
            return false;
    return true;
}

// What a tip must leave uncovered: every shown control but frames, which hold the others, and
// labels with nothing written.
bool inTheWay(const Form& form, const Control& c) {
    if (c.kind() == Kind::Frame || c.kind() == Kind::Shape || c.kind() == Kind::Line)
        return false;
    if (c.kind() == Kind::Label && static_cast<const Label&>(c).Caption().empty())
        return false;
    return shown(form, c);
}

double distance(const PixelRect& a, const PixelRect& b) {
    const int dx = std::max({0, a.x - (b.x + b.width), b.x - (a.x + a.width)});
    const int dy = std::max({0, a.y - (b.y + b.height), b.y - (a.y + a.height)});
    return std::hypot(dx, dy);
}

} // namespace

PixelRect formPlace(const Form& form, const Control& control) {
    PixelRect r{pixel(control.Left()), pixel(control.Top()), pixel(control.Width()),
                pixel(control.Height())};
    for (const Control* frame = form.containerOf(control); frame;
         frame = form.containerOf(*frame)) {
        r.x += pixel(frame->Left());
        r.y += pixel(frame->Top());
    }
    return r;
}

PixelRect tipPlace(const Form& form, const Control& box, const std::function<int(int)>& heightAt) {
    const PixelRect at = formPlace(form, box);
    std::vector<PixelRect> taken;
    for (const Control* c : form.controls())
        if (inTheWay(form, *c))
            taken.push_back(formPlace(form, *c));
    const PixelRect client{0, 0, form.clientWidth(), form.clientHeight()};

    // The nearest free place stands against the box, another control or the window's edge on
    // each side: those are the places tried; a narrower tip counts as farther.
    auto free = [&](const PixelRect& place) {
        const PixelRect room{place.x - gap + 1, place.y - gap + 1, place.width + 2 * gap - 2,
                             place.height + 2 * gap - 2};
        return std::none_of(taken.begin(), taken.end(),
                            [&](const PixelRect& r) { return r.intersects(room); });
    };
    std::optional<PixelRect> best;
    double bestScore = 0;
    for (const int width : tipWidths) {
        const int height = heightAt(width);
        std::vector<int> xs{
            at.x + at.width + gap, at.x - gap - width, at.x, at.x + at.width - width, 0,
            client.width - width};
        std::vector<int> ys{
            at.y, at.y + at.height + gap, at.y - gap - height, at.y + at.height - height,
            0,    client.height - height};
        for (const PixelRect& r : taken) {
            xs.insert(xs.end(), {r.x + r.width + gap, r.x - gap - width});
            ys.insert(ys.end(), {r.y + r.height + gap, r.y - gap - height});
        }
        // Nearest first, so that farther places are soon passed over unchecked.
        auto nearestFirst = [](std::vector<int>& v, int from) {
            std::sort(v.begin(), v.end(), [from](int a, int b) {
                return std::pair(std::abs(a - from), a) < std::pair(std::abs(b - from), b);
            });
            v.erase(std::unique(v.begin(), v.end()), v.end());
        };
        nearestFirst(xs, at.x);
        nearestFirst(ys, at.y);
        for (const int x : xs)
            for (const int y : ys) {
                const PixelRect place{x, y, width, height};
                const double score = distance(place, at) + (tipWidths[0] - width) / 4.0;
                if (x >= 0 && y >= 0 && x + width <= client.width && y + height <= client.height &&
                    (!best || score < bestScore) && free(place)) {
                    best = place;
                    bestScore = score;
                }
            }
    }
    return best ? *best
                : PixelRect{at.x + at.width + gap, at.y, tipWidths[0], heightAt(tipWidths[0])};
}

int estimatedTipHeight(std::string_view text, int width) {
    constexpr double charWidth = 6.2;           // pixels, wider than the font's average
    constexpr int lineHeight = 14, margins = 6; // padding and border above and below
    const auto perLine = static_cast<std::size_t>(std::max(1.0, (width - 10) / charWidth));
    int lines = 0;
    // Words wrapped greedily, paragraph by paragraph; bytes counted, so a letter of two counts
    // twice.
    for (std::size_t start = 0; start <= text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        ++lines;
        std::size_t used = 0;
        for (std::size_t word = start; word < end;) {
            const std::size_t next = std::min(text.find(' ', word), end);
            const std::size_t length = next - word;
            word = next + 1;
            if (length == 0)
                continue;
            if ((used == 0 ? length : used + 1 + length) <= perLine) {
                used += (used == 0 ? 0 : 1) + length;
                continue;
            }
            lines += (used > 0 ? 1 : 0) + static_cast<int>((length - 1) / perLine);
            used = (length - 1) % perLine + 1;
        }
        start = end + 1;
    }
    return lines * lineHeight + margins;
}

} // namespace tk
