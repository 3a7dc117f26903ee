#pragma once

#include <QColor>
#include <QRect>
#include <QStringView>

class QPainter;

namespace tkqt {

class DigitGlyphs;

// A number's glyphs copied, opaque, from pictures of each glyph drawn alone on the caption's
// background, kept for every window: a live number changes ten times a second, and copying
// costs less than blending each glyph again. The pictures are Qt's own glyphs at the same place
// within a pixel, so the pixels are the same wherever the glyphs' inks keep apart, as digits do.
class DigitTiles {
public:
    struct Caption {
        const DigitGlyphs& digits;
        int height;      // px, the caption's
        qreal baseline;  // px from its top
        QColor ink, background;
    };
    // Paints the glyphs of `number` set from `x` inside `area`, in the columns from `left` up to
    // `right` alone, where nothing else inks; anywhere else in `area` the number must not ink.
    // False, with nothing painted, where the pictures cannot give Qt's pixels: a scaled or
    // fractionally moved painter, a device that is not a 32-bit picture, see-through colours,
    // glyphs inking into each other or outside those columns.
    static bool paint(QPainter& painter, const Caption& caption, QStringView number, qreal x,
                      const QRect& area, int left, int right);
};

} // namespace tkqt
