#include "toolkit/qt/LabelWidget.h"

#include <QAccessible>
#include <QEvent>
#include <QPaintEvent>
#include <QPainter>

#include <cmath>

namespace tkqt {

LabelWidget::LabelWidget(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    layout_.setTextFormat(Qt::PlainText);
    layout_.setPerformanceHint(QStaticText::AggressiveCaching);
    announce_.setSingleShot(true);
    connect(&announce_, &QTimer::timeout, this, [this] { announce(); });
}

void LabelWidget::announce() {
    announced_.start();
    QAccessibleEvent event(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

void LabelWidget::noteChange() {
    // A live caption changes 100 times a second: a reader hears it at most 4 times a second.
    if (!QAccessible::isActive() || announce_.isActive())
        return;
    const qint64 since = announced_.isValid() ? announced_.elapsed() : announceGapMs;
    if (since >= announceGapMs)
        announce();
    else
        announce_.start(static_cast<int>(announceGapMs - since));
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
    noteChange();
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
