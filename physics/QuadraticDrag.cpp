// Quadratic drag, a = −g·ŷ − c·|v|·v with c = rho·Cd·(pi·d²/4)/(2·m): no closed form. Boost's
// Dormand–Prince 5(4) stepper with error control integrates (x, y, vx, vy); the apex and the
// landing are roots (TOMS 748) of its dense output. A light body falling far nears its terminal
// speed w = √(g/c) and the explicit stepper would crawl there (its step is bounded by about w/g
// however smooth the motion); once the fall is vertical to the last digits of x, the rest is
// the exact vertical fall with quadratic drag (tanh or coth), in closed form.
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

// ln cosh u and ln sinh u (u > 0) without overflow or cancellation.
double lnCosh(double u) {
    return u + std::log1p(std::exp(-2 * u)) - std::numbers::ln2;
}
double lnSinh(double u) {
    return u + std::log(-std::expm1(-2 * u)) - std::numbers::ln2;
}

} // namespace

// One accepted step: its ends and the stepper's stages, from which the stepper interpolates.
struct Step {
    double t0, t1;
    Vec x0, dx0, x1, dx1;
    Stepper stages;
};

// The flight: steps up to tFall, then the vertical fall from the state there (fallSpeed the
// downward speed, fallKind −1 below w: tanh; +1 above: coth; 0 at w: constant).
struct Path {
    std::vector<Step> steps;
    double c = 0, w = 0; // drag per mass (1/m) and terminal speed (m/s)
    double tFall = INFINITY;
    Vec atFall{};
    double u0 = 0;
    int fallKind = 0;

    Vec interpolate(double t) const {
        auto step = std::lower_bound(steps.begin(), steps.end(), t,
                                     [](const Step& s, double time) { return s.t1 < time; });
        if (step == steps.end())
            --step;
        Vec x;
        step->stages.calc_state(t, x, step->x0, step->dx0, step->t0, step->x1, step->dx1, step->t1);
        return x;
    }

    // The vertical fall, t >= tFall: downward speed and distance fallen.
    std::pair<double, double> fall(double g, double t) const {
        const double tau = w / g, length = w * tau, u = u0 + (t - tFall) / tau;
        if (fallKind < 0)
            return {w * std::tanh(u), length * (lnCosh(u) - lnCosh(u0))};
        if (fallKind > 0)
            return {w / std::tanh(u), length * (lnSinh(u) - lnSinh(u0))};
        return {w, w * (t - tFall)};
    }

    // x, y, vx, vy at t, with the sideways drift after tFall (below 1e-12 of x) decaying as drag
    // at the terminal speed makes it.
    Vec state(double g, double t) const {
        if (t < tFall)
            return interpolate(t);
        const auto [speed, fallen] = fall(g, t);
        const double decay = std::exp(-(t - tFall) * g / w);
        return {atFall[0] + atFall[2] * (w / g) * (1 - decay), atFall[1] - fallen,
                atFall[2] * decay, -speed};
    }
};

namespace detail {

std::optional<Refusal> solveQuadratic(Trajectory& r, std::shared_ptr<const Path>& shared) {
    const Launch& l = r.launch;
    auto path = std::make_shared<Path>();
    const double c = l.rho * l.cd * (std::numbers::pi * l.diameter * l.diameter / 4) / (2 * l.mass);
    const double g = l.g, w = std::sqrt(g / c), tau = w / g;
    path->c = c;
    path->w = w;
    auto system = [c, g](const Vec& s, Vec& ds, double) {
        const double speed = std::sqrt(s[2] * s[2] + s[3] * s[3]);
        ds = {s[2], s[3], -c * speed * s[2], -g - c * speed * s[3]};
    };

    Vec x{0, l.h0, l.v0 * cosDeg(l.angle), l.v0 * sinDeg(l.angle)}, dx;
    system(x, dx, 0);
    r.apexTime = 0;
    r.H = l.h0;
    const bool rising = x[3] > 0;
    bool landed = false;
    // Relative control only (the absolute part is a guard against 0/0): every scale of the
    // inputs, from 1e-6 to 1e8, is integrated to the same relative accuracy.
    auto controlled = odeint::make_controlled(1e-300, tolerance, Stepper());
    const double vacuumTime = (std::fabs(x[3]) + std::sqrt(x[3] * x[3] + 2 * g * l.h0)) / g;
    double t = 0, dt = 1e-3 * std::min(vacuumTime, tau);
    for (int tries = 0; !landed; ++tries) {
        // Vertical to the last digits of x, falling at half the terminal speed or more: from
        // here the sideways drift is below |vx|·2·w/g.
        const bool vertical = x[2] == 0 || std::fabs(x[2]) * 2 * tau <= 1e-13 * std::fabs(x[0]);
        if (x[3] <= -w / 2 && vertical)
            break;
        if (tries == maxSteps)
            return notComputable(l);
        const double t0 = t;
        Vec x1, dx1;
        if (controlled.try_step(system, x, dx, t, x1, dx1, dt) == odeint::fail)
            continue;
        const Step& step = path->steps.emplace_back(Step{t0, t, x, dx, x1, dx1, controlled.stepper()});
        double from = t0;
        if (rising && x[3] > 0 && x1[3] <= 0) {
            r.apexTime = root([&](double s) { return path->interpolate(s)[3]; }, t0, t);
            r.H = path->interpolate(r.apexTime)[1];
            from = r.apexTime;
        }
        if (x1[1] <= 0) {
            r.T = root([&](double s) { return path->interpolate(s)[1]; }, from, step.t1);
            landed = true;
        }
        x = x1;
        dx = dx1;
    }
    if (!landed) {
        path->tFall = t;
        path->atFall = x;
        const double down = -x[3], ratio = down / w;
        path->fallKind = ratio < 1 ? -1 : ratio > 1 ? 1 : 0;
        path->u0 = ratio < 1 ? std::atanh(ratio) : ratio > 1 ? std::atanh(1 / ratio) : 0;
        // Distance left x[1] = L·(ln f(u) − ln f(u0)), f = cosh or sinh, L = w²/g: u from it.
        const double q = x[1] / (w * tau);
        double u = 0;
        if (path->fallKind < 0) {
            const double lnF = lnCosh(path->u0) + q;
            u = lnF + std::log1p(std::sqrt(-std::expm1(-2 * lnF)));
        } else if (path->fallKind > 0) {
            const double lnF = lnSinh(path->u0) + q;
            u = lnF < 0 ? std::asinh(std::exp(lnF)) : lnF + std::log1p(std::sqrt(1 + std::exp(-2 * lnF)));
        }
        r.T = path->fallKind == 0 ? t + x[1] / w : t + (u - path->u0) * tau;
    }
    r.steps = static_cast<int>(path->steps.size());
    const Vec end = path->state(g, r.T);
    r.D = end[0];
    r.V = std::hypot(end[2], end[3]);
    r.impactAngle = std::atan2(-end[3], end[2]) * degrees;
    shared = path;
    return std::nullopt;
}

State quadraticState(const Launch& l, const Path& path, double, double t) {
    const Vec s = path.state(l.g, t);
    const double speed = std::sqrt(s[2] * s[2] + s[3] * s[3]);
    return {t, s[0], s[1], s[2], s[3], -path.c * speed * s[2], -l.g - path.c * speed * s[3]};
}

} // namespace detail
} // namespace physics
