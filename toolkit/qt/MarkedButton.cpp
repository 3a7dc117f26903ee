#include "toolkit/qt/MarkedButton.h"

#include "toolkit/qt/FormView.h"

#include <QPushButton>

namespace tkqt {

bool pressMarkedButton(FormView& view, bool cancel) {
    tk::CommandButton* button = view.form().markedButton(cancel);
    if (!button)
        return false;
    if (auto* widget = qobject_cast<QPushButton*>(view.widgetFor(*button)))
        widget->click();
    return true;
}

} // namespace tkqt
