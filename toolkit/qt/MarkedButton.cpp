#include "toolkit/qt/MarkedButton.h"

#include "toolkit/qt/FormView.h"

#include <QPushButton>

namespace tkqt {

bool pressMarkedButton(FormView& view, bool cancel) {
    for (tk::Control* control : view.form().controls()) {
        if (control->kind() != tk::Kind::CommandButton)
            continue;
        auto* button = static_cast<tk::CommandButton*>(control);
        if ((cancel ? button->Cancel : button->Default) && button->Enabled() && button->Visible()) {
            if (auto* widget = qobject_cast<QPushButton*>(view.widgetFor(*button)))
                widget->click();
            return true;
        }
    }
    return false;
}

} // namespace tkqt
