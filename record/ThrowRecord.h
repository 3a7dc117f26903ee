#pragma once

#include "physics/Trajectory.h"
#include "toolkit/Locale.h"
#include "toolkit/Types.h"

#include <array>
#include <memory>
#include <optional>
#include <string>

namespace lopena {

// The difference of a result from its prediction, per cent of the result; nothing when the
// result is 0 or the prediction no number.
std::optional<double> errorPercent(double predicted, double result);

// What an accepted launch was: its inputs and results as shown, the numbers used.
struct LaunchFacts {
    // Input numbers as shown, in the locale's notation like the results; typed back into the
    // boxes they give the same numbers (to 15 significant digits).
    std::string speed, angle, gravity;
    std::string totalTime, distance, maxHeight, impactSpeed; // result numbers as shown
    double v0 = 0, angleDegrees = 0, g = 0;                  // m/s, degrees, m/s^2
    double vx = 0, vy = 0;                                   // launch components, m/s
    double T = 0, D = 0, H = 0, V = 0;                       // results as shown
    tk::Colour colour = 0;                                   // the trail colour

    // The numbers of a launch, in the order of the fields above.
    struct Numbers {
        double v0, angle, g, vx, vy, T, D, H, V;
    };
    // The facts of a launch, every window's: the numbers written in the locale's notation, the
    // results in general notation or, given `decimals`, with that many.
    static LaunchFacts of(const Numbers& n, tk::Colour colour, const tk::Locale& locale,
                          std::optional<int> decimals = std::nullopt);

    // The angle the components were computed with, degrees above the horizontal: 90 minus the
    // angle from the vertical as the launch holds it, in single precision (1.09999847412109375
    // for 1.1).
    double angleFlown() const { return 90.0 - static_cast<tk::Single>(90 - angleDegrees); }
};

// A throw of the Laborator: the model's path, the vacuum one beside it when in air, the pupil's
// predictions and the trail colour.
struct LabThrow {
    physics::Trajectory flight;
    std::optional<physics::Trajectory> vacuum;
    // D, H and T as predicted (m, m, s); nothing where the pupil predicted nothing.
    std::array<std::optional<double>, 3> predicted;
    tk::Colour colour = 0;
    // The ball's name in air ("minge de tenis") when the boxes held one of the Laborator's.
    std::string body;

    // The error of prediction i (D, H, T), per cent; nothing where none can be given.
    std::optional<double> error(std::size_t i) const;
};

// What any window threw, as the notebook keeps it: the launch's facts, and a throw of the
// Laborator's model with its predictions.
struct ThrowRecord : LaunchFacts {
    // nullptr for the main window's throws. Its log's y is the height above the ground.
    std::shared_ptr<const LabThrow> lab;

    // The record of a throw of the Laborator; its results written as its labels show them.
    static ThrowRecord of(const LabThrow& launch, const tk::Locale& locale);
    bool inAir() const { return lab && lab->flight.launch.medium != physics::Medium::Vacuum; }
    // The time of flight unrounded, s: the main window's results show T to 0.01 s only.
    double flightTime() const { return lab ? T : 2 * vy / g; }
};

} // namespace lopena
