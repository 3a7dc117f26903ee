#pragma once

#include <QElapsedTimer>
#include <QStaticText>
#include <QTimer>
#include <QWidget>

namespace tkqt {

// A label for captions that change many times a second: the text is laid out once per change
// and painted from that layout, on an opaque background, so an update repaints nothing else.
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
    void relayout();
    // Tells assistive technology the caption changed, at most once per announceGapMs.
    void noteChange();
    void announce();
    static constexpr qint64 announceGapMs = 250;
    QTimer announce_;
    QElapsedTimer announced_;

    QString text_;
    QStaticText layout_;
    bool wrap_ = false;
    bool centred_ = false;
    bool autoSize_ = false;
};

} // namespace tkqt
