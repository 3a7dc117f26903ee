#include "notebook/qt/CachedTextDelegate.h"

#include <QApplication>
#include <QIcon>
#include <QPainter>

#include <cmath>

namespace lopena {

namespace {
constexpr qsizetype cacheLimit = 4096;             // about 600 rows of 7 cells
constexpr int textMargin = 3;                      // as the style's item margin
constexpr int swatchWidth = 24, swatchHeight = 10; // px, as the page's
} // namespace

const QStaticText& CachedTextDelegate::layout(const QString& text, const QFont& font) const {
    QHash<QString, QStaticText>& cache = cache_[style(font)];
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

const tkqt::DigitGlyphs& CachedTextDelegate::digits(const QFont& font) const {
    std::optional<tkqt::DigitGlyphs>& found = digits_[style(font)];
    if (!found)
        found.emplace(font);
    return *found;
}

bool CachedTextDelegate::drawNumber(QPainter& painter, const QString& text, const QFont& font,
                                    const QRect& area, bool right) const {
    const tkqt::DigitGlyphs& set = digits(font);
    if (!set.covers(text))
        return false;
    const qreal width = set.width(text);
    if (width > area.width())
        return false;
    painter.drawGlyphRun(
        QPointF(0, std::round(area.top() + (area.height() - set.height()) / 2 + set.ascent())),
        set.run(text, right ? area.right() + 1 - width : area.left()));
    return true;
}

void CachedTextDelegate::paintSwatch(QPainter& painter, const QRect& cell, const QColor& colour,
                                     bool right) {
    // As the page's: 24 by 10 pixels in a grey outline, placed as the cell's text would be.
    const int left = right ? cell.right() + 1 - textMargin - swatchWidth : cell.left() + textMargin;
    const QRect box(left, cell.top() + (cell.height() - swatchHeight) / 2, swatchWidth,
                    swatchHeight);
    painter.save();
    painter.setClipRect(cell);
    painter.fillRect(box, colour);
    painter.setPen(QColor(0x60, 0x60, 0x60));
    painter.drawRect(box.adjusted(0, 0, -1, -1));
    painter.restore();
}

void CachedTextDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const {
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const QString text = opt.text;
    const QWidget* widget = opt.widget;
    // A colour for decoration is a swatch, painted here rather than as the style's icon.
    const QVariant decoration = index.data(Qt::DecorationRole);
    const bool swatch = decoration.typeId() == QMetaType::QColor;
    if (swatch) {
        opt.features &= ~QStyleOptionViewItem::HasDecoration;
        opt.icon = QIcon();
    }
    // A plain cell shows the view's own background: only a selected, focused, coloured or
    // alternate one needs the style to paint it.
    if (opt.state & (QStyle::State_Selected | QStyle::State_HasFocus) ||
        opt.backgroundBrush.style() != Qt::NoBrush ||
        opt.features & QStyleOptionViewItem::Alternate) {
        QStyle* style = widget ? widget->style() : QApplication::style();
        opt.text.clear();
        style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);
    }
    if (swatch)
        paintSwatch(*painter, opt.rect, decoration.value<QColor>(),
                    opt.displayAlignment & Qt::AlignRight);
    if (text.isEmpty())
        return;
    // The text area of a cell without icon or check box, inside the style's margin.
    const QRect area = opt.rect.adjusted(textMargin, 0, -textMargin, 0);
    const bool right = opt.displayAlignment & Qt::AlignRight;
    painter->save();
    painter->setPen(opt.palette.color(
        opt.state & QStyle::State_Enabled ? QPalette::Normal : QPalette::Disabled,
        opt.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text));
    if (drawNumber(*painter, text, opt.font, area, right)) {
        painter->restore();
        return;
    }
    const QStaticText* laidOut = &layout(text, opt.font);
    QSizeF size = laidOut->size();
    if (size.width() > area.width()) {
        // Too wide for its column: the cell says so with an ellipsis rather than lose digits.
        laidOut = &layout(QFontMetrics(opt.font).elidedText(text, opt.textElideMode, area.width()),
                          opt.font);
        size = laidOut->size();
    }
    const qreal x = right ? area.right() + 1 - size.width() : area.left();
    const qreal y = area.top() + (area.height() - size.height()) / 2;
    painter->setFont(opt.font);
    painter->setClipRect(opt.rect);
    painter->drawStaticText(QPointF(x, y), *laidOut);
    painter->restore();
}

} // namespace lopena
