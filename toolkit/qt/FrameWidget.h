#pragma once

#include <QStaticText>
#include <QWidget>

namespace tkqt {

// A frame with its caption on the top border: a light, style-free stand-in for a group box,
// whose children are placed from its outer top-left corner.
class FrameWidget : public QWidget {
    Q_OBJECT

public:
    explicit FrameWidget(QWidget* parent = nullptr) : QWidget(parent) {}

    QString title() const { return title_; }
    void setTitle(const QString& title);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString title_;
    QStaticText caption_;
};

} // namespace tkqt
