#pragma once

// The projectile of the whole chapter in double precision: a launch in vacuum, with linear drag
// or with quadratic drag, solved exactly where a closed form exists and by a controlled
// integration where none does. Standard C++ only; Boost stays inside the .cpp files.

#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <variant>

namespace physics {

enum class Medium { Vacuum, LinearDrag, QuadraticDrag };

struct Launch {
    double v0 = 20;     // launch speed, m/s
    double angle = 45;  // degrees above the horizontal, -90 to 90
    double h0 = 0;      // launch height above the ground, m
    double g = 9.81;    // m/s²
    Medium medium = Medium::Vacuum;
    double k = 0.1;     // linear drag: deceleration per speed, 1/s
    double mass = 0.15; // quadratic drag: the body, kg
    double diameter = 0.07; // m
    double cd = 0.47;       // drag coefficient, no unit
    double rho = 1.225;     // the air's density, kg/m³
};

// The input a refusal blames, so that a window can select its box.
enum class Field { Speed, Angle, Height, Gravity, LinearDrag, Mass, Diameter, DragCoefficient, Density };

struct Refusal {
    Field field;
    std::string message; // Romanian, names the input to change
};

// A value, or the refusal that explains why there is none.
template <class T> class Result {
public:
    Result(T value) : v_(std::move(value)) {}
    Result(Refusal refusal) : v_(std::move(refusal)) {}
    explicit operator bool() const { return v_.index() == 0; }
    const T& operator*() const { return std::get<0>(v_); }
    const T* operator->() const { return &std::get<0>(v_); }
    const Refusal& refusal() const { return std::get<1>(v_); }

private:
    std::variant<T, Refusal> v_;
};

// Where the body is at time t: m, m/s, m/s²; y above the ground, x from the launch point.
struct State {
    double t, x, y, vx, vy, ax, ay;
};

struct Path; // the integrated steps of a quadratic-drag flight

// How the time of flight was found.
enum class Method {
    Formula,       // vacuum: the positive root of y(T) = 0, a quadratic
    LambertW,      // linear drag: k·T = a + b + W0(z)
    RootSearch,    // linear drag: the root of y(T) = 0 searched numerically, where W0 loses digits
    Steps,         // quadratic drag: integrated steps, the landing between the last two
    StepsThenFall, // quadratic drag: steps until the fall is vertical, then its exact formula
    Fall,          // quadratic drag: thrown straight down at half the terminal speed or more, exact
};

// Quadratic drag: the exact vertical fall that ends a flight, from `start` at `height` with the
// downward `speed`: with w the terminal speed and s = g·(t − start)/w, the distance fallen is
// (w²/g)·ln(cosh s + (speed/w)·sinh s).
struct VerticalFall {
    double start = 0, height = 0, speed = 0; // s, m, m/s
    double duration = 0;                     // until the landing, s
};

class Trajectory {
public:
    Launch launch;
    double T = 0;           // time of flight, s
    double D = 0;           // range, m
    double H = 0;           // greatest height above the ground, m
    double apexTime = 0;    // when it is reached, s (0 for a throw downwards)
    double V = 0;           // speed at impact, m/s
    double impactAngle = 0; // degrees below the horizontal at impact
    int steps = 0;          // integration steps taken (quadratic drag), 0 for a closed form
    Method method = Method::Formula;
    std::optional<VerticalFall> fall; // quadratic drag ending in the exact vertical fall

    // The state at time t, clamped to [0, T]; exact for the closed forms, from the integrator's
    // dense output otherwise.
    State at(double t) const;

private:
    friend Result<Trajectory> solve(const Launch&);
    double vx0_ = 0, vy0_ = 0; // the launch velocity's components, m/s
    std::shared_ptr<const Path> path_;
};

// The ranges the model takes for the air's figures, both ends included.
struct Range {
    double lo, hi;
    bool holds(double value) const { return value >= lo && value <= hi; }
};
inline constexpr Range linearDragRange{1e-9, 1e3}; // k, 1/s
inline constexpr Range massRange{1e-9, 1e9};       // kg
inline constexpr Range diameterRange{1e-6, 1e3};   // m
inline constexpr Range dragCoefficientRange{1e-3, 10};

// The refusal of the first input outside its range, if any.
std::optional<Refusal> check(const Launch& launch);

Result<Trajectory> solve(const Launch& launch);

struct BestAngle {
    double angle; // degrees
    double D;     // its range, m
};

// The angle of greatest range for the launch's speed, height, gravity and medium (its angle is
// not used).
Result<BestAngle> bestAngle(const Launch& launch);

// The parts of the model's numerics that come from Boost, with its non-throwing error policy.
namespace numerics {
// W0(z): NaN outside its domain (z < -1/e), never a throw.
double lambertW0(double z);
} // namespace numerics

} // namespace physics
