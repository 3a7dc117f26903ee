#pragma once

#include "toolkit/Control.h"
#include "toolkit/Form.h"
#include "toolkit/SceneTracker.h"

#include <QImage>
#include <QPointer>
#include <QWidget>

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

namespace tkqt {

// The client area of a form: paints its shapes and lines beneath the child widgets and
// repaints only the places that a change touched. The elements of a shape array (the trail)
// are drawn once into a cached layer as soon as a newer element follows them, so a repaint
// costs the same with 30 dots or 32,766.
class FormSurface : public QWidget {
    Q_OBJECT

public:
    FormSurface(tk::Form& form, QWidget* parent = nullptr);
    ~FormSurface() override;

    // A shape or line changed: repaints its old and new place.
    void sceneChanged(tk::Control& control, tk::Prop what) { tracker_.changed(control, what); }

    // Counts every shape and line drawn, for measurements.
    long long itemsPainted() const { return itemsPainted_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    // Shows the tip of the topmost scene shape under the pointer that has one.
    bool event(QEvent* event) override;

private:
    // The settled elements of a shape array, in bands of bandHeight rows across the surface; a
    // band no dot touches takes no memory.
    using Bands = std::vector<QImage>;

    // Whether a shape draws nothing in a place: an empty rectangle around it.
    static bool outlineMisses(const tk::Shape& shape, const QRect& place);
    void paintShape(class QPainter& painter, const tk::Shape& shape);
    // `box` is the shape's fitted box (square kinds already square).
    void paintShapeIn(class QPainter& painter, const tk::Shape& shape, const QRect& box);
    // A small settled shape (a trail dot) drawn once per look and stamped where it stands:
    // 32,766 dots drawn afresh at a new scale cost one copy each rather than one curve each.
    const QImage* stampOf(const tk::Shape& shape, QSize size);
    // bounds: the place being painted.
    void addLine(class LineBatch& lines, const tk::Line& line, const QRect& bounds);
    void paintLayer(class QPainter& painter, const Bands& bands, const class QRegion& dirty);
    void refreshLayers();
    // Draws one settled element into the bands it touches, making them as needed.
    void drawIntoLayer(Bands& bands, const tk::Shape& shape);
    static constexpr int bandHeight = 64;
    // Asks for a place to be painted again, joined to the places asked since the last paint
    // when that adds few pixels.
    void damage(const QRect& place);
    // The joined place is handed to Qt once, when the window is about to repaint: a tick moves
    // some twenty items, and Qt's bookkeeping of each growth of the place costs more than this.
    bool eventFilter(QObject* watched, QEvent* event) override;
    QRect damaged_;        // the joined place asked since the last paint
    QRect handedToQt_;     // the part of it Qt was told of
    QPointer<QWidget> watched_; // the window whose repaint requests are watched

    tk::Form& form_;
    tk::SceneTracker tracker_;
    // Each shape array's layer, by name, at the pixel ratio it was drawn for.
    std::unordered_map<std::string, Bands> layers_;
    qreal ratio_ = 0;
    std::unordered_map<std::uint64_t, QImage> stamps_;
    long long itemsPainted_ = 0;
};

} // namespace tkqt
