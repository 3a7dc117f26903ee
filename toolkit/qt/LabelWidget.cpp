#include "toolkit/qt/LabelWidget.h"

#include "toolkit/qt/DigitTiles.h"

#include <QAccessible>
#include <QEvent>
#include <QFontMetricsF>
#include <QPaintEvent>
#include <QPainter>

#include <cmath>

namespace tkqt {

LabelWidget::LabelWidget(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    relayout(true);
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

const DigitGlyphs& LabelWidget::digits() {
    if (!digits_)
        digits_.emplace(font());
    return *digits_;
}

std::pair<qsizetype, qsizetype> LabelWidget::numberIn(const QString& text) {
    // The last number of the text: from its last digit back over the characters numbers are
    // written with, to a digit or the sign before one ("vx0 = -14.142 m/s" sets "-14.142").
    qsizetype last = text.size();
    while (last > 0 && !text[last - 1].isDigit())
        --last;
    qsizetype first = last;
    while (!wrap_ && first > 0 && digits().covers(QStringView(text).sliced(first - 1, 1)))
        --first;
    while (first < last && !text[first].isDigit() &&
           !((text[first] == u'-' || text[first] == u'+') && text[first + 1].isDigit()))
        ++first;
    if (wrap_ || first == last)
        return {text.size(), text.size()};
    return {first, last};
}

void LabelWidget::relayout(bool reshape) {
    const auto [first, last] = numberIn(text_);
    const QStringView before = QStringView(text_).first(first), after = QStringView(text_).sliced(last);
    number_ = text_.sliced(first, last - first);
    // The words are shaped again only when they change; the number's place follows them.
    if (reshape && fontKey_ != font().key()) {
        fontKey_ = font().key();
        const QFontMetricsF metrics(font());
        space_ = metrics.horizontalAdvance(QLatin1Char(' '));
        ascent_ = metrics.ascent();
    }
    if (reshape || before != before_) {
        before_ = before.toString();
        qsizetype words = before_.size();
        while (!wrap_ && words > 0 && before_[words - 1] == u' ')
            --words;
        beforeLayout_ = wrap_ ? ShapedWords::wrapped(before_, font(), width())
                              : ShapedWords::of(before_.first(words), font(), fontKey_);
        numberX_ = beforeLayout_->advance + space_ * qreal(before_.size() - words);
        wordsBefore_ = words > 0;
        // A last glyph may ink beyond its advance ('f').
        const QChar lastOne = words > 0 ? before_[words - 1] : QChar();
        beforeInk_ = beforeLayout_->advance + 1 +
                     (words > 0 ? std::max(0.0, digits().inkOf(lastOne).right() - digits().advanceOf(lastOne)) : 0);
    }
    if (reshape || after != after_) {
        after_ = after.toString();
        afterLayout_ = ShapedWords::of(after_, font(), fontKey_);
        wordsAfter_ = !after_.trimmed().isEmpty();
        qsizetype lead = 0;
        while (lead < after_.size() && after_[lead] == u' ')
            ++lead;
        // From the words' start: their spaces, then the first glyph, which may ink before its place.
        afterLead_ = space_ * qreal(lead) - 1 +
                     (lead < after_.size() ? std::min(0.0, digits().inkOf(after_[lead]).left()) : 0);
    }
    afterX_ = numberX_ + digits().width(number_);
    afterInk_ = afterX_ + afterLead_;
}

qreal LabelWidget::naturalWidth() const {
    if (number_.isEmpty() && after_.isEmpty())
        return beforeLayout_->text.size().width();
    return afterX_ + (after_.isEmpty() ? 0 : afterLayout_->text.size().width());
}

int LabelWidget::textWidth() const {
    return static_cast<int>(std::ceil(naturalWidth())) + 1;
}

void LabelWidget::setText(const QString& text) {
    if (text == text_)
        return;
    const QString before = before_, after = after_, number = number_;
    const qreal afterX = afterX_;
    text_ = text;
    relayout();
    noteChange();
    if (autoSize_ && textWidth() != width())
        resize(textWidth(), height());
    if (centred_ || before != before_ || after != after_ || number_.isEmpty()) {
        update();
        return;
    }
    // Only the number changed: the words before it stay painted, and those after it too
    // where it kept its width; of the number, the characters that changed.
    qreal from = numberX_, to = width();
    if (afterX == afterX_ && number.size() == number_.size()) {
        qsizetype first = 0, last = number_.size();
        while (first < last && number[first] == number_[first])
            ++first;
        while (last > first && number[last - 1] == number_[last - 1])
            --last;
        from = numberX_ + digits().width(QStringView(number_).first(first));
        to = numberX_ + digits().width(QStringView(number_).first(last));
    }
    // A pixel each side for the glyphs' antialiased edges.
    const int left = static_cast<int>(std::floor(from)) - 1;
    const int right = static_cast<int>(std::ceil(to)) + 1;
    update(left, 0, right - left, height());
}

void LabelWidget::setWordWrap(bool wrap) {
    wrap_ = wrap;
    relayout(true);
    update();
}

void LabelWidget::setCentred(bool centred) {
    centred_ = centred;
    update();
}

void LabelWidget::resizeEvent(QResizeEvent*) {
    if (wrap_)
        relayout(true);
}

void LabelWidget::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) {
        digits_.reset();
        relayout(true);
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
    const qreal x = centred_ ? (width() - naturalWidth()) / 2 : 0;
    if (number_.isEmpty() || event->rect().left() < x + beforeInk_)
        painter.drawStaticText(QPointF(x, 0), beforeLayout_->text);
    if (!number_.isEmpty())
        paintNumber(painter, event->rect(), x);
    if (!after_.isEmpty() && event->rect().right() + 1 > x + afterInk_)
        painter.drawStaticText(QPointF(x + afterX_, 0), afterLayout_->text);
}

void LabelWidget::paintNumber(QPainter& painter, const QRect& area, qreal x) {
    // Copied from pictures of its glyphs between the words' inks, or else drawn by Qt.
    const int left = wordsBefore_ ? std::max(area.left(), static_cast<int>(std::ceil(x + beforeInk_))) : area.left();
    const int right = wordsAfter_ ? std::min(area.right() + 1, static_cast<int>(std::floor(x + afterInk_)))
                                  : area.right() + 1;
    const DigitTiles::Caption caption{digits(), height(), ascent_, painter.pen().color(),
                                      palette().color(backgroundRole())};
    if (!DigitTiles::paint(painter, caption, number_, x + numberX_, area, left, right))
        painter.drawGlyphRun(QPointF(0, ascent_), digits().run(number_, x + numberX_));
}

} // namespace tkqt
