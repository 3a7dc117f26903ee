#pragma once

namespace tkqt {

class FormView;

// Presses the form's button marked Default (Enter) or Cancel (Esc), if it can be pressed.
bool pressMarkedButton(FormView& view, bool cancel);

} // namespace tkqt
