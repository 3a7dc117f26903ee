#pragma once

#include "physics/Trajectory.h"
#include "problems/ProblemTemplate.h"
#include "toolkit/Locale.h"

#include <optional>
#include <string>
#include <vector>

namespace lopena {

// The givens of one pupil's exercise as drawn: m/s, degrees (below the horizontal for a throw
// downwards), m, m/s², m.
struct Givens {
    double v0 = 0, angle = 0, h0 = 0, g = 9.81, distance = 0;
};

// A quantity the pupil is asked for, and its value from the physics model.
struct Answer {
    const char* symbol;   // as the solution writes it: "t", "D"
    const char* question; // beside its box
    const char* unit;     // beside its box; "" for a ratio
    const char* hint;     // the law or formula to use, without the number
    double value;
};

// One pupil's exercise: its givens, the statement, the answers, and the throw the Laborator
// shows (with its target, where the exercise has one).
struct Problem {
    const ProblemTemplate* from = nullptr;
    Givens givens;
    std::string statement;
    std::vector<Answer> answers;
    physics::Launch launch;
    std::optional<double> target; // m from the launch point
};

// The exercise `from` with the numbers of these draws, written in the locale's notation.
Problem makeProblem(const ProblemTemplate& from, Draws& draws, const tk::Locale& locale);

// A pupil's number in the class list (or a count of pupils), 1 to 40, or 0 for a text that is
// none.
int pupilNumber(const std::string& text);

// The bank of exercises, in the order of the list.
const std::vector<ProblemTemplate>& problemBank();

} // namespace lopena
