#pragma once

#include "physics/Trajectory.h"

#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace lopena {

// The whole set-up of the Laborator as numbers and ticks: what a code carries from one pupil to
// another, and what the Laborator keeps between runs. A code holds values only, never an action.
struct LabSetup {
    // Speed, angle, height, gravity, medium, k, mass, diameter and Cd as the boxes hold them
    // (the air's density is the model's own).
    physics::Launch launch;
    int body = 0; // the ball ticked, in frmLab::bodies
    bool target = false;
    double targetCentre = 30, targetWidth = 6; // m
    bool vectors = false, ghost = false, predict = false, energy = false, drop = false;
    bool slow = false; // shown at 0.25x

    bool operator==(const LabSetup& other) const;
};

// The target's place and width that a set-up can hold, m.
inline constexpr physics::Range targetCentreRange{0, 1e9};
inline constexpr physics::Range targetWidthRange{5e-324, 1e9}; // above 0

// Why a set-up cannot be used, in the boxes' own words; nothing when every field can.
std::optional<std::string> checkSetup(const LabSetup& setup);

// "L1-" and the set-up in base64url, its last four bytes a check of the rest: short, ASCII, safe
// in an address. The set-up must pass checkSetup.
std::string encodeSetup(const LabSetup& setup);

// The set-up of a code (blanks around it, or a whole link up to its '#', allowed), or the
// Romanian reason it is refused: nothing of a refused code is used.
std::variant<LabSetup, std::string> decodeSetup(std::string_view code);

} // namespace lopena
