#pragma once

#include "physics/Trajectory.h"

namespace lopena::lab {

// The metres per grid square: the smallest of 1, 2 or 5 times a power of ten that is at least
// `needed` (m); 1 for anything not positive or not finite.
double roundScale(double needed);

// Stars of a landing at distance `landing` on a target centred at `centre`, `width` wide: 3, 2
// or 1 within a sixth, a third or a half of the width from the centre, 0 outside it (all m).
int stars(double landing, double centre, double width);

// A body let go from rest at the launch's height at the moment of the launch, in the launch's
// medium (the same body in air): exact in every medium, with w the terminal speed,
//   vacuum:        y = h0 - g·t²/2
//   linear drag:   y = h0 - (w/k)·(k·t + e^(-k·t) - 1), w = g/k
//   quadratic:     y = h0 - (w²/g)·ln cosh(g·t/w),     w = sqrt(g/c)
class Drop {
public:
    explicit Drop(const physics::Launch& launch);
    // When it reaches the ground, s (0 from the ground).
    double landing() const { return landing_; }
    // Its height above the ground at t, m, held at 0 after the landing.
    double y(double t) const;

private:
    // The distance fallen by t, m.
    double fallen(double t) const;

    physics::Medium medium_;
    double h0_, g_;
    double rate_ = 0;     // linear drag: k, 1/s; quadratic: g/w, 1/s
    double terminal_ = 0; // w, m/s
    double landing_ = 0;
};

// The energies of a body of `mass` kg in the state `s` under gravity `g`, J: kinetic m·v²/2,
// potential m·g·y (from the ground), mechanical their sum, and lost to the air the launch's
// mechanical energy `launched` less the mechanical now.
struct Energies {
    double kinetic, potential, mechanical, lost;
};
Energies energies(const physics::State& s, double mass, double g, double launched);

// An energy as it is shown: rounded first to the 10 significant digits the model's arithmetic
// keeps, so that a total that does not change shows the same last digit at every step.
double settled(double joules);

} // namespace lopena::lab
