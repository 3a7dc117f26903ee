#include "notebook/qt/CachedTextDelegate.h"

#include <QApplication>
#include <QPainter>

namespace lopena {

namespace {
constexpr qsizetype cacheLimit = 4096; // about 600 rows of 7 cells
constexpr int textMargin = 3;          // as the style's item margin
} // namespace

const QStaticText& CachedTextDelegate::layout(const QString& text, const QFont& font) const {
    QHash<QString, QStaticText>& cache = cache_[(font.bold() ? 1 : 0) + (font.italic() ? 2 : 0)];
    auto found = cache.find(text);
    if (found != cache.end())
        return *found;
    if (cache.size() >= cacheLimit)
        cache.clear();
    QStaticText laidOut(text);
    laidOut.setTextFormat(Qt::PlainText);
    laidOut.setPerformanceHint(QStaticText::AggressiveCaching);
    laidOut.prepare(QTransform(), font);
    return *cache.insert(text, laidOut);
}

void CachedTextDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const {
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const QString text = opt.text;
    const QWidget* widget = opt.widget;
    // A plain cell shows the view's own background: only a selected, focused, coloured or
    // alternate one needs the style to paint it.
    if (opt.state & (QStyle::State_Selected | QStyle::State_HasFocus) ||
        opt.backgroundBrush.style() != Qt::NoBrush ||
        opt.features & QStyleOptionViewItem::Alternate) {
        QStyle* style = widget ? widget->style() : QApplication::style();
        opt.text.clear();
        style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);
    }
    if (text.isEmpty())
        return;
    // The text area of a cell without icon or check box, inside the style's margin.
    const QRect area = opt.rect.adjusted(textMargin, 0, -textMargin, 0);
    const QStaticText* laidOut = &layout(text, opt.font);
    QSizeF size = laidOut->size();
    if (size.width() > area.width()) {
        // Too wide for its column: the cell says so with an ellipsis rather than lose digits.
        laidOut = &layout(QFontMetrics(opt.font).elidedText(text, opt.textElideMode, area.width()),
                          opt.font);
        size = laidOut->size();
    }
    const qreal x =
        opt.displayAlignment & Qt::AlignRight ? area.right() + 1 - size.width() : area.left();
    const qreal y = area.top() + (area.height() - size.height()) / 2;
    painter->save();
    painter->setFont(opt.font);
    painter->setPen(opt.palette.color(
        opt.state & QStyle::State_Enabled ? QPalette::Normal : QPalette::Disabled,
        opt.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text));
    painter->setClipRect(opt.rect);
    painter->drawStaticText(QPointF(x, y), *laidOut);
    painter->restore();
}

} // namespace lopena
