#pragma once

#include <QIcon>
#include <QPixmap>

namespace tkqt {

// The program's 32 x 32 image: a thin white cross outlined in black, on a transparent ground.
QPixmap windowIconPixmap();
QIcon windowIcon();

} // namespace tkqt
