#include "toolkit/qt/LabelWidget.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>

#include <cmath>

namespace tkqt {

LabelWidget::LabelWidget(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    layout_.setTextFormat(Qt::PlainText);
    layout_.setPerformanceHint(QStaticText::AggressiveCaching);
}

void LabelWidget::relayout() {
    layout_.setText(text_);
    layout_.setTextWidth(wrap_ ? width() : -1);
    layout_.prepare(QTransform(), font());
}

int LabelWidget::textWidth() const {
    return static_cast<int>(std::ceil(layout_.size().width())) + 1;
}

void LabelWidget::setText(const QString& text) {
    if (text == text_)
        return;
    text_ = text;
    relayout();
    setAccessibleName(text_);
    if (autoSize_ && textWidth() != width())
        resize(textWidth(), height());
    update();
}

void LabelWidget::setWordWrap(bool wrap) {
    wrap_ = wrap;
    relayout();
    update();
}

void LabelWidget::setCentred(bool centred) {
    centred_ = centred;
    update();
}

void LabelWidget::resizeEvent(QResizeEvent*) {
    if (wrap_)
        relayout();
}

void LabelWidget::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) {
        relayout();
        if (autoSize_)
            resize(textWidth(), height());
    }
    QWidget::changeEvent(event);
}

void LabelWidget::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), palette().color(backgroundRole()));
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    const qreal x = centred_ ? (width() - layout_.size().width()) / 2 : 0;
    painter.drawStaticText(QPointF(x, 0), layout_);
}

} // namespace tkqt
