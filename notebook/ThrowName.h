#pragma once

#include "record/ThrowRecord.h"
#include "toolkit/Locale.h"

#include <string>

namespace lopena {

// A throw named by its launch wherever throws are listed or compared: "20 m/s, 45°" for the main
// window's, "20 m/s, 30°, h0 45 m, vid" for the Laborator's ("aer" and the ball in air); the
// gravity only when it is not the window's own default. Numbers in the locale's notation.
std::string throwName(const ThrowRecord& flight, const tk::Locale& locale);
// The same without the angle: what the throws of a series of angles share.
std::string launchNameWithoutAngle(const ThrowRecord& flight, const tk::Locale& locale);

} // namespace lopena
