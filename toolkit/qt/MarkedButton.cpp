#include "toolkit/qt/MarkedButton.h"

#include "toolkit/qt/FormView.h"

#include <QPushButton>
#include <QShortcut>

namespace tkqt {

bool pressMarkedButton(FormView& view, bool cancel) {
    tk::CommandButton* button = view.form().markedButton(cancel);
    if (!button)
        return false;
    if (auto* widget = qobject_cast<QPushButton*>(view.widgetFor(*button)))
        widget->click();
    return true;
}

void addEnterKeys(QWidget* window, FormView& view) {
    for (auto key : {Qt::Key_Return, Qt::Key_Enter}) {
        auto* enter = new QShortcut(QKeySequence(key), window);
        enter->setContext(Qt::WindowShortcut);
        QObject::connect(enter, &QShortcut::activated, window, [window, &view] {
            if (auto* focused = qobject_cast<QPushButton*>(window->focusWidget());
                focused && focused->isEnabled() && focused->isVisible())
                focused->click();
            else
                pressMarkedButton(view, false);
        });
    }
}

} // namespace tkqt
