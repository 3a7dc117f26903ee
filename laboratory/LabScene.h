#pragma once

#include "toolkit/Types.h"

#include <optional>
#include <utility>

namespace lopena {

// Where the Laborator draws a throw and how metres become pixels there: a grid of squares with the
// launch point at its bottom left, the plot around it (nothing of a throw is drawn outside), and
// the scale in metres per square. Plain numbers: tested without a form.
class LabScene {
public:
    struct Area {
        tk::Single left, top, right, bottom;
    };
    struct Grid {
        int squarePixels, squaresAcross, squaresUp;
        // The launch point (x = 0, y = 0 on the ground) on the form, pixels.
        tk::Single originX, groundY;
        // From the platform's left edge to the border's inside, from under the caption (room for
        // the ball at the top grid line) to over the x axis's numbers.
        Area plot;
        // The border around the plot and its numbers.
        Area frame;
        tk::Single top() const { return groundY - static_cast<tk::Single>(squaresUp * squarePixels); }
        tk::Single right() const {
            return originX + static_cast<tk::Single>(squaresAcross * squarePixels);
        }
    };
    // The window's own: 14 x 9 squares of 40 px.
    static Grid wide();
    // For a room `width` pixels wide and taller than wide: 11 x 7 squares, as large as the width
    // allows (at least 24 px).
    static Grid tall(int width);
    // The most squares either grid has, for the lines and numbers made once.
    static constexpr int mostAcross = 14, mostUp = 9;

    // The ends of a 2-pixel arrow: shaft from the start to the tip, the head's two strokes.
    struct Arrow {
        double tipX, tipY, leftX, leftY, rightX, rightY;
    };

    const Grid& grid() const { return grid_; }
    void setGrid(const Grid& grid) { grid_ = grid; }
    double scale() const { return scale_; }
    void setScale(double metresPerSquare) { scale_ = metresPerSquare; }
    // The scale that holds `across` m along the ground and `up` m of height: 1, 2 or 5 times a
    // power of ten metres per square.
    double scaleFor(double across, double up) const;

    tk::Single px(double x) const;
    tk::Single py(double y) const;
    // Whether a box of pixels lies wholly in the plot.
    bool holds(tk::Single left, tk::Single top, tk::Single width, tk::Single height) const;
    // The arrow from (x, y) by (dx, dy) pixels (dy upwards), shortened a pixel at a time until
    // its shaft and head lie in the plot; none when no length of 2 px or more does.
    std::optional<Arrow> arrow(double x, double y, double dx, double dy) const;
    // The span from `from` to `to` m along the ground, cut to the plot, pixels: left, right.
    std::pair<tk::Single, tk::Single> span(double from, double to) const;

private:
    bool inside(double x, double y) const;

    Grid grid_ = wide();
    double scale_ = 0;
};

} // namespace lopena
