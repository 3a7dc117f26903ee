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

inline QColor toQColor(tk::Colour colour) {
    const tk::Channels c = tk::channels(colour);
    return QColor(c.red, c.green, c.blue);
}

using tk::pixel;

} // namespace tkqt
