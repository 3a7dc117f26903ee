#pragma once

#include <QHash>
#include <QStaticText>
#include <QStyledItemDelegate>

namespace lopena {

// Paints cells like the standard delegate, but keeps the laid-out text of each cell: a table
// that grows by a row every step repaints its visible rows without shaping their text again.
class CachedTextDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

private:
    const QStaticText& layout(const QString& text, const QFont& font) const;

    // Texts by font (bold, italic) and content; dropped whole when it grows large.
    mutable QHash<QString, QStaticText> cache_[4];
};

} // namespace lopena
