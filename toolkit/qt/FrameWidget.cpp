#include "toolkit/qt/FrameWidget.h"

#include <QPainter>

namespace tkqt {

void FrameWidget::setTitle(const QString& title) {
    if (title == title_)
        return;
    title_ = title;
    update();
}

void FrameWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QFontMetrics metrics(font());
    const int top = metrics.height() / 2;
    // An etched border: a dark line with a light one beside it.
    QRect box = rect().adjusted(0, top, -2, -2);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(box);
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(box.translated(1, 1));
    if (title_.isEmpty())
        return;
    const QRect caption(6, 0, metrics.horizontalAdvance(title_) + 4, metrics.height());
    painter.fillRect(caption, palette().color(QPalette::Window));
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(caption, Qt::AlignCenter, title_);
}

} // namespace tkqt
