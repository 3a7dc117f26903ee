#pragma once

#include <QColor>
#include <QLineF>
#include <QVarLengthArray>

class QPainter;

namespace tkqt {

// A scene's lines drawn a pen at a time: Qt prepares its line drawing once per call, which
// costs more than a short line itself. Lines come in scene order and are drawn before anything
// else is painted, so what covers what stays as it was; the pixels are those of one call each.
class LineBatch {
public:
    explicit LineBatch(QPainter& painter) : painter_(painter) {}
    ~LineBatch() { flush(); }
    LineBatch(const LineBatch&) = delete;
    LineBatch& operator=(const LineBatch&) = delete;

    // A line `width` px wide, flat-ended, not antialiased.
    void add(const QColor& colour, int width, const QLineF& line);
    // Draws the lines held, before anything else is painted.
    void flush();

private:
    // Whether the painter maps the scene to the device by whole pixels, scale 1.
    bool wholePixelsApart() const;
    // Fills the lines held that run straight across or down, leaving the others.
    void fillLevelLines();

    QPainter& painter_;
    QColor colour_;
    int width_ = 0;
    QVarLengthArray<QLineF, 64> lines_;
};

} // namespace tkqt
