#include "laboratory/LabScene.h"

#include "laboratory/LabMath.h"

#include <algorithm>
#include <cmath>

namespace lopena {

namespace {

// The grid's squares with the launch point `originX` from the left: the caption above it, the
// y numbers left of it, the x numbers under it, the border `inset` from the form's edge.
LabScene::Grid gridOf(int squarePixels, int across, int up, tk::Single originX, tk::Single inset,
                      tk::Single frameRight) {
    LabScene::Grid g{squarePixels, across, up, originX, 0, {}, {}};
    // From the border: the caption 8 px down, 13 px high, 19 px, then 8 px of room for the
    // ball over the top line.
    const tk::Single gridTop = inset + 48;
    g.groundY = gridTop + static_cast<tk::Single>(up * squarePixels);
    g.plot = {originX - 16, gridTop - 8, frameRight - 1, g.groundY + 6};
    g.frame = {inset, inset, frameRight, g.groundY + 32};
    return g;
}

} // namespace

LabScene::Grid LabScene::wide() {
    return gridOf(40, 14, 9, 64, 8, 648);
}

LabScene::Grid LabScene::tall(int width) {
    // 56 px left of the grid for the y numbers and the platform, 24 right for the ball's room.
    const int square = std::max(24, (width - 80) / 11);
    const auto right = static_cast<tk::Single>(std::max(width, 80 + 11 * square) - 4);
    return gridOf(square, 11, 7, 56, 4, right);
}

double LabScene::scaleFor(double across, double up) const {
    return lab::roundScale(std::max(across / grid_.squaresAcross, up / grid_.squaresUp));
}

tk::Single LabScene::px(double x) const {
    return static_cast<tk::Single>(grid_.originX + x / scale_ * grid_.squarePixels);
}

tk::Single LabScene::py(double y) const {
    return static_cast<tk::Single>(grid_.groundY - y / scale_ * grid_.squarePixels);
}

bool LabScene::holds(tk::Single left, tk::Single top, tk::Single width, tk::Single height) const {
    const Area& p = grid_.plot;
    return left >= p.left && left + width <= p.right && top >= p.top && top + height <= p.bottom;
}

// The stroke is 2 pixels wide: its middle keeps a pixel inside the plot.
bool LabScene::inside(double x, double y) const {
    const Area& p = grid_.plot;
    return x >= p.left + 1 && x <= p.right - 1 && y >= p.top + 1 && y <= p.bottom - 1;
}

std::optional<LabScene::Arrow> LabScene::arrow(double x, double y, double dx, double dy) const {
    const double full = std::hypot(dx, dy);
    // Screen y grows downwards; a speed of no length has no direction.
    const double ux = full > 0 ? dx / full : 0, uy = full > 0 ? -dy / full : 0;
    const double c = std::cos(0.45), s = std::sin(0.45);
    for (double length = full; length >= 2 && inside(x, y); length = std::ceil(length) - 1) {
        const double ex = x + ux * length, ey = y + uy * length, head = std::min(7.0, length / 2);
        const Arrow a{ex,
                      ey,
                      ex - head * (ux * c - uy * s),
                      ey - head * (uy * c + ux * s),
                      ex - head * (ux * c + uy * s),
                      ey - head * (uy * c - ux * s)};
        if (inside(a.tipX, a.tipY) && inside(a.leftX, a.leftY) && inside(a.rightX, a.rightY))
            return a;
    }
    return std::nullopt;
}

std::pair<tk::Single, tk::Single> LabScene::span(double from, double to) const {
    return {std::max(grid_.plot.left, px(from)), std::min(grid_.plot.right, px(to))};
}

} // namespace lopena
