#pragma once

class QWidget;

namespace tkqt {

class FormView;

// Presses the form's button marked Default (Enter) or Cancel (Esc), if it can be pressed.
bool pressMarkedButton(FormView& view, bool cancel);

// Gives a window of its own the keys Qt gives only a dialog: Enter (and the keypad's) presses the
// focused button, as Space does, and anywhere else the form's default button.
void addEnterKeys(QWidget* window, FormView& view);

} // namespace tkqt
