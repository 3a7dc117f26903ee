#pragma once

class QWidget;

namespace tkqt {

// Moves a window 8 px right of its owner's frame, tops aligned; where the screen's free area has
// no room, it goes over the owner rather than off the screen. Without an owner it is centred.
void placeBeside(QWidget& window, const QWidget* owner);

} // namespace tkqt
