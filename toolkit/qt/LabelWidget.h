#pragma once

#include "toolkit/qt/DigitGlyphs.h"
#include "toolkit/qt/ShapedWords.h"

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

#include <memory>
#include <optional>

namespace tkqt {

// A label for captions that change many times a second: the text is laid out once per change
// and painted from that layout, on an opaque background, so an update repaints nothing else.
// A caption with one number ("Coordonata X : 132.58") keeps the words around it shaped once and
// sets the number from the font's digit glyphs; a new number repaints the characters that changed.
class LabelWidget : public QWidget {
    Q_OBJECT

public:
    explicit LabelWidget(QWidget* parent = nullptr);

    QString text() const { return text_; }
    // With autoSize the width follows the text at once.
    void setText(const QString& text);
    void setWordWrap(bool wrap);
    void setCentred(bool centred);
    void setAutoSize(bool autoSize) { autoSize_ = autoSize; }
    bool autoSize() const { return autoSize_; }
    // The width that the text needs, in pixels.
    int textWidth() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // reshape: the words too, for a new font or width, though their text is the same.
    void relayout(bool reshape = false);
    qreal naturalWidth() const;
    // The number's glyphs where `area` needs them, the text set from `x`.
    void paintNumber(QPainter& painter, const QRect& area, qreal x);
    // Where the number of `text` starts and ends (equal when it has none to set from glyphs).
    std::pair<qsizetype, qsizetype> numberIn(const QString& text);
    const DigitGlyphs& digits();
    // Tells assistive technology the caption changed, at most once per announceGapMs.
    void noteChange();
    void announce();
    static constexpr qint64 announceGapMs = 250;
    QTimer announce_;
    QElapsedTimer announced_;

    QString text_;
    // The words before the number (the whole text when it has none), the number, the words after.
    QString before_, number_, after_;
    // Laid out without the spaces that end them, which show nothing; numberX_ counts them.
    std::shared_ptr<const ShapedWords::Layout> beforeLayout_, afterLayout_;
    qreal space_ = 0;  // px a space advances
    qreal ascent_ = 0; // px from the top to the baseline
    QString fontKey_;
    qreal numberX_ = 0, afterX_ = 0; // px from the text's left
    // px from the text's left: where the ink of the words before the number may end, and where
    // that of the words after it may begin, a pixel of antialiasing each side included
    qreal beforeInk_ = 0, afterInk_ = 0;
    qreal afterLead_ = 0; // px from the words after the number to where their ink may begin
    bool wordsBefore_ = false, wordsAfter_ = false; // around the number
    std::optional<DigitGlyphs> digits_;
    bool wrap_ = false;
    bool centred_ = false;
    bool autoSize_ = false;
};

} // namespace tkqt
