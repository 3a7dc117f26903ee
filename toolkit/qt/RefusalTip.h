#pragma once

#include <QLabel>

class QLineEdit;

namespace tk {
class TextBox;
}

namespace tkqt {

class FormView;

// Why a box was refused, written on its window beside it where the core places it (over no
// control, so the first click on any control reaches it), until the box is edited or loses the
// focus. One at a time on a window; named after its box with "_tip", as the page's is.
class RefusalTip : public QLabel {
    Q_OBJECT

public:
    static void explain(FormView& view, const tk::TextBox& box, QLineEdit& edit,
                        const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit RefusalTip(QWidget* parent);
};

} // namespace tkqt
