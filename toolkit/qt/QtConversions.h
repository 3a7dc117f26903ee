#pragma once

#include "toolkit/SceneTracker.h"

#include "toolkit/Types.h"

#include <QColor>
#include <QString>

#include <algorithm>
#include <cmath>
#include <string>

namespace tkqt {

// Model texts are UTF-8. Qt's mnemonic marker is the model's "&" too, so captions pass as they are.
inline QString toQString(const std::string& text) {
    return QString::fromStdString(text);
}

// A model colour (red + 256 green + 65536 blue) as a QColor.
inline QColor toQColor(tk::Colour colour) {
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

using tk::pixel;

} // namespace tkqt
