#pragma once

#include "toolkit/qt/DigitGlyphs.h"

#include <QHash>
#include <QStaticText>
#include <QStyledItemDelegate>

#include <optional>

namespace lopena {

// Paints cells like the standard delegate, but keeps the laid-out text of each cell: a table
// that grows by a row every step repaints its visible rows without shaping their text again,
// and a new number is set from the glyphs of its digits, laid out once per font. A text too
// wide for its cell ends in an ellipsis. A colour given for decoration is painted as a swatch.
class CachedTextDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

private:
    static void paintSwatch(QPainter& painter, const QRect& cell, const QColor& colour, bool right);
    static int style(const QFont& font) { return (font.bold() ? 1 : 0) + (font.italic() ? 2 : 0); }
    const QStaticText& layout(const QString& text, const QFont& font) const;
    const tkqt::DigitGlyphs& digits(const QFont& font) const;
    // Draws `text` from the glyphs of its digits if it is a number that fits `area`.
    bool drawNumber(QPainter& painter, const QString& text, const QFont& font, const QRect& area,
                    bool right) const;

    // Texts by font (bold, italic) and content; dropped whole when it grows large.
    mutable QHash<QString, QStaticText> cache_[4];
    mutable std::optional<tkqt::DigitGlyphs> digits_[4]; // by font, as the texts
};

} // namespace lopena
