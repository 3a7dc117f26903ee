#include "toolkit/qt/FrameWidget.h"

#include <QPaintEvent>
#include <QPainter>

namespace tkqt {

void FrameWidget::setTitle(const QString& title) {
    if (title == title_)
        return;
    title_ = title;
    caption_.setText(title);
    caption_.setTextFormat(Qt::PlainText);
    update();
}

void FrameWidget::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QFontMetrics metrics(font());
    const int top = metrics.height() / 2;
    // An etched border: a dark line with a light one beside it.
    const QRect box = rect().adjusted(0, top, -2, -2);
    const QRect inside = box.adjusted(2, 2, -1, -1);
    if (!inside.contains(event->rect())) {
        painter.setPen(palette().color(QPalette::Mid));
        painter.drawRect(box);
        painter.setPen(palette().color(QPalette::Light));
        painter.drawRect(box.translated(1, 1));
    }
    if (title_.isEmpty())
        return;
    caption_.prepare(QTransform(), font());
    const QRect caption(6, 0, static_cast<int>(caption_.size().width()) + 5, metrics.height());
    if (!event->rect().intersects(caption))
        return;
    painter.fillRect(caption, palette().color(QPalette::Window));
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawStaticText(caption.x() + 2,
                           (metrics.height() - static_cast<int>(caption_.size().height())) / 2,
                           caption_);
}

} // namespace tkqt
