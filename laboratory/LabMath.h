#pragma once

namespace lopena::lab {

// The metres per grid square: the smallest of 1, 2 or 5 times a power of ten that is at least
// `needed` (m); 1 for anything not positive or not finite.
double roundScale(double needed);

// Stars of a landing at distance `landing` on a target centred at `centre`, `width` wide: 3, 2
// or 1 within a sixth, a third or a half of the width from the centre, 0 outside it (all m).
int stars(double landing, double centre, double width);

} // namespace lopena::lab
