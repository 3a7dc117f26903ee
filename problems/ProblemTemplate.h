#pragma once

#include "problems/Draws.h"

namespace lopena {

// The kinds of exercise of the chapter, numbered as the list shows them.
enum class Kind {
    Horizontal = 1, // thrown horizontally from a height
    FromGround,     // obliquely from the ground
    LargestRange,   // the largest range, and the two angles of a shorter one
    UpFromHeight,   // obliquely upwards from a height
    DownFromHeight, // obliquely downwards from a height
    Vertical,       // straight up or down
    OtherBody,      // on the Moon or Mars, against the Earth
    SpeedNeeded,    // the launch speed that lands at a given distance
    BestAngle,      // the angle of the largest range from a height
    InAir,          // measured in the Laborator: the range lost to the air
};

// One exercise of the bank: a setting from everyday life whose givens are drawn from realistic
// ranges. The text names them by {v} (m/s), {a} (degrees), {h} (m), {d} (m) and {g} (m/s²), each
// written with its unit.
struct ProblemTemplate {
    const char* id; // "1a": the kind, then the setting
    Kind kind;
    const char* title;
    const char* text;
    // An unused given has the empty range {0, 0, 1}; the largest range's d is a share of that
    // range, per cent, written to two significant digits.
    Range v, a, h, d;
    // Vertical: thrown down; SpeedNeeded: thrown horizontally from a height.
    bool down = false;
    // OtherBody: the Laborator's gravity (1 the Moon, 2 Mars); InAir: the Laborator's ball.
    int body = 0;
};

} // namespace lopena
