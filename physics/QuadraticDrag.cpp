// Quadratic drag, a = −g·ŷ − c·|v|·v with c = rho·Cd·(pi·d²/4)/(2·m): no closed form. Boost's
// Dormand–Prince 5(4) stepper with error control integrates (x, y, vx, vy); the apex and the
// landing are roots (TOMS 748) of the interpolation between two steps. A light body falling far
// nears its terminal speed w = √(g/c) and the explicit stepper would crawl there (its step is
// bounded by about w/g however smooth the motion); once the fall is vertical to the last digits of
// x, the rest is the exact vertical fall with quadratic drag, in closed form. A throw straight down
// at half of w or more is that fall from the start.
#include "physics/Boost.h"
#include "physics/Internal.h"

#include <boost/numeric/odeint/stepper/controlled_runge_kutta.hpp>
#include <boost/numeric/odeint/stepper/generation.hpp>
#include <boost/numeric/odeint/stepper/runge_kutta_dopri5.hpp>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <vector>

namespace physics {

namespace odeint = boost::numeric::odeint;
using Vec = std::array<double, 4>; // x, y, vx, vy
using Stepper = odeint::runge_kutta_dopri5<Vec>;

namespace {

// Relative error allowed per step; the results come out to about 1e-11 (tests compare a run at
// 1e-14), well inside the 1e-9 asked for.
constexpr double tolerance = 1e-12;
constexpr int maxSteps = 20000;
constexpr double degrees = 180 / std::numbers::pi;

bool finite(const Vec& v) {
    return std::all_of(v.begin(), v.end(), [](double x) { return std::isfinite(x); });
}

// The vertical fall at the downward speed ratio·w, s = g·t/w later: the distance fallen over
// w²/g, ln(cosh s + ratio·sinh s), without overflow or cancellation.
double fallen(double ratio, double s) {
    if (s <= 1) {
        const double sh = std::sinh(s / 2);
        return std::log1p(2 * sh * sh + ratio * std::sinh(s));
    }
    return s + std::log((1 + ratio + (1 - ratio) * std::exp(-2 * s)) / 2);
}

// The s at which it has fallen q·w²/g: cosh s + ratio·sinh s = e^q, a quadratic in e^s.
double fallTime(double ratio, double q) {
    if (q <= 1) {
        const double e2 = std::expm1(2 * q);
        return std::log1p((std::expm1(q) + e2 / (std::sqrt(e2 + ratio * ratio) + ratio)) /
                          (1 + ratio));
    }
    return q + std::log((1 + std::sqrt(1 + (ratio * ratio - 1) * std::exp(-2 * q))) / (1 + ratio));
}

} // namespace

// The state after each accepted step. Between two of them the motion is the quintic that matches
// both states and their first two derivatives (the equations give them from the state itself):
// 40 bytes a step, interpolating to h⁶ where the stepper's own dense output (the stepper and its
// stages, 416 bytes a step) reaches h⁵.
struct Node {
    double t;
    Vec x;
};

// The equations of motion: the state's first and second derivatives from the state itself.
struct Motion {
    double c, g;

    Vec derivative(const Vec& s) const {
        const double speed = std::sqrt(s[2] * s[2] + s[3] * s[3]);
        return {s[2], s[3], -c * speed * s[2], -g - c * speed * s[3]};
    }
    Vec second(const Vec& s, const Vec& d) const {
        const double speed = std::sqrt(s[2] * s[2] + s[3] * s[3]);
        const double rate = speed > 0 ? (s[2] * d[2] + s[3] * d[3]) / speed : 0; // d|v|/dt
        return {d[2], d[3], -c * (rate * s[2] + speed * d[2]), -c * (rate * s[3] + speed * d[3])};
    }

    Vec between(const Node& a, const Node& b, double t) const {
        const double h = b.t - a.t, u = (t - a.t) / h, u2 = u * u, u3 = u2 * u;
        const double h5 = u3 * (10 - 15 * u + 6 * u2);         // of b's state
        const double h1 = u * (1 - u2 * (6 - 8 * u + 3 * u2)); // of a's derivative
        const double h4 = u3 * (-4 + 7 * u - 3 * u2);          // of b's derivative
        const double h2 = u2 * (1 - u * (3 - 3 * u + u2)) / 2; // of a's second derivative
        const double h3 = u3 * (1 - 2 * u + u2) / 2;           // of b's second derivative
        const Vec da = derivative(a.x), db = derivative(b.x), dda = second(a.x, da),
                  ddb = second(b.x, db);
        Vec x;
        for (int i = 0; i < 4; ++i)
            x[i] = a.x[i] + h5 * (b.x[i] - a.x[i]) + h * (h1 * da[i] + h4 * db[i]) +
                   h * h * (h2 * dda[i] + h3 * ddb[i]);
        return x;
    }
};

// The flight: its states step by step, then the exact vertical fall from the last of them.
struct Path {
    std::vector<Node> nodes;
    Motion motion;
    double w = 0; // terminal speed, m/s
    std::optional<VerticalFall> fall;

    Vec interpolate(double t) const {
        auto next = std::lower_bound(nodes.begin() + 1, nodes.end() - 1, t,
                                     [](const Node& n, double time) { return n.t < time; });
        return motion.between(*(next - 1), *next, t);
    }

    // x, y, vx, vy at t, with the sideways drift after the fall's start (below 1e-12 of x)
    // decaying as drag at the terminal speed makes it.
    Vec state(double g, double t) const {
        if (nodes.size() > 1 && (!fall || t < fall->start))
            return interpolate(t);
        const Vec& atFall = nodes.back().x;
        const double s = g * (t - fall->start) / w, ratio = fall->speed / w, decay = std::exp(-s);
        const double tanh = std::tanh(s);
        return {atFall[0] - atFall[2] * (w / g) * std::expm1(-s),
                fall->height - w * w / g * fallen(ratio, s), atFall[2] * decay,
                -(w * tanh + fall->speed) / (1 + ratio * tanh)};
    }
};

namespace detail {

std::optional<Refusal> solveQuadratic(Trajectory& r, std::shared_ptr<const Path>& shared) {
    const Launch& l = r.launch;
    auto path = std::make_shared<Path>();
    const double c = l.rho * l.cd * (std::numbers::pi * l.diameter * l.diameter / 4) / (2 * l.mass);
    const double g = l.g, w = std::sqrt(g / c), tau = w / g;
    path->motion = {c, g};
    path->w = w;
    auto system = [&motion = path->motion](const Vec& s, Vec& ds, double) {
        ds = motion.derivative(s);
    };

    Vec x{0, l.h0, l.v0 * cosDeg(l.angle), l.v0 * sinDeg(l.angle)}, dx;
    system(x, dx, 0);
    r.apexTime = 0;
    r.H = l.h0;
    r.method = Method::Steps;
    r.steps = 0;
    path->nodes.push_back({0, x});
    const bool rising = x[3] > 0;
    // Relative control only (the absolute part is a guard against 0/0): every scale of the
    // inputs, from 1e-6 to 1e8, is integrated to the same relative accuracy.
    auto controlled = odeint::make_controlled(1e-300, tolerance, Stepper());
    // The first step: a thousandth of the flight in vacuum or of the time in which drag changes
    // the speed, 1/(c·v), whichever is shorter (a body with huge drag stops in no time).
    double t = 0, dt = 1e-3 * std::min(vacuumTime(x[3], l.h0, g), 1 / (c * std::max(l.v0, w)));
    for (int tries = 0;; ++tries) {
        // Vertical to the last digits of x, falling at half the terminal speed or more: from
        // here the sideways drift is below |vx|·2·w/g.
        const bool vertical = x[2] == 0 || std::fabs(x[2]) * 2 * tau <= 1e-13 * std::fabs(x[0]);
        if (x[3] <= -w / 2 && vertical) {
            const double q = x[1] / (w * tau), ratio = -x[3] / w;
            path->fall = VerticalFall{t, x[1], -x[3], tau * fallTime(ratio, q)};
            r.T = t + path->fall->duration;
            r.method = r.steps == 0 ? Method::Fall : Method::StepsThenFall;
            break;
        }
        if (tries == maxSteps)
            return notComputable(l);
        Vec x1, dx1;
        double t1 = t;
        const double tried = dt;
        if (controlled.try_step(system, x, dx, t1, x1, dx1, dt) == odeint::fail)
            continue;
        if (!finite(x1) || !finite(dx1) || !std::isfinite(dt)) { // an overflow, not a step
            dt = tried / 16;
            continue;
        }
        ++r.steps;
        path->nodes.push_back({t1, x1});
        const Node& a = path->nodes.end()[-2];
        const Node& b = path->nodes.back();
        auto at = [&](double time) { return path->motion.between(a, b, time); };
        double from = t;
        if (rising && x[3] > 0 && x1[3] <= 0) {
            r.apexTime = root([&](double s) { return at(s)[3]; }, t, t1);
            r.H = at(r.apexTime)[1];
            from = r.apexTime;
        }
        if (x1[1] <= 0) {
            r.T = root([&](double s) { return at(s)[1]; }, from, t1);
            break;
        }
        t = t1;
        x = x1;
        dx = dx1;
    }
    r.fall = path->fall;
    if (!std::isfinite(r.T))
        return notComputable(l);
    const Vec end = path->state(g, r.T);
    r.D = end[0];
    r.V = std::hypot(end[2], end[3]);
    r.impactAngle = std::atan2(-end[3], end[2]) * degrees;
    shared = path;
    return std::nullopt;
}

State quadraticState(const Launch& l, const Path& path, double t) {
    const Vec s = path.state(l.g, t), d = path.motion.derivative(s);
    return {t, s[0], s[1], s[2], s[3], d[2], d[3]};
}

} // namespace detail
} // namespace physics
