#include "physics/Internal.h"
#include "physics/Trajectory.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace physics {

using detail::cosDeg;
using detail::sinDeg;

namespace {

// Inside [lo, hi]; false for NaN.
bool within(double value, double lo, double hi) {
    return value >= lo && value <= hi;
}

constexpr double degrees = 180 / std::numbers::pi;

// (1 − e^−u)/u and (e^−u − 1 + u)/u, u = k·t >= 0, to full precision also for a small u: the
// linear-drag motion is y = h0 + vy0·t·phi − (g/k)·t·psi, with no cancellation.
double phi(double u) {
    return u == 0 ? 1 : -std::expm1(-u) / u;
}
double psi(double u) {
    if (u >= 0.1)
        return (u + std::expm1(-u)) / u;
    double term = 1, sum = 0; // u/2! − u²/3! + u³/4! − ...
    for (int n = 1; n <= 12; ++n) {
        term *= -u / (n + 1);
        sum -= term;
    }
    return sum;
}

// Vacuum: y(t) = h0 + vy·t − g·t²/2 = 0.
void solveVacuum(Trajectory& r, double vx, double vy) {
    const Launch& l = r.launch;
    const double s = std::sqrt(vy * vy + 2 * l.g * l.h0); // the vertical speed at impact
    r.T = detail::vacuumTime(vy, l.h0, l.g);
    r.D = vx * r.T;
    r.apexTime = vy > 0 ? vy / l.g : 0;
    r.H = vy > 0 ? l.h0 + vy * vy / (2 * l.g) : l.h0;
    r.V = std::sqrt(vx * vx + s * s);
    r.impactAngle = std::atan2(s, vx) * degrees;
}

// Linear drag, terminal speed w = g/k: vx = vx0·e^−kt, vy = (vy0 + w)·e^−kt − w.
State linearState(const Launch& l, double vx0, double vy0, double t) {
    const double w = l.g / l.k, u = l.k * t, decay = std::exp(-u);
    const double vx = vx0 * decay, vy = vy0 * decay + w * std::expm1(-u);
    return {t, vx0 * t * phi(u), l.h0 + vy0 * t * phi(u) - w * t * psi(u), vx, vy,
            -l.k * vx, -l.g - l.k * vy};
}

// T through Lambert's W where it keeps its digits, else the root of y(t) itself, searched from the
// time in vacuum.
void solveLinear(Trajectory& r, double vx0, double vy0) {
    const Launch& l = r.launch;
    const double w = l.g / l.k;
    auto y = [&](double t) { return linearState(l, vx0, vy0, t).y; };
    r.apexTime = vy0 > 0 ? std::log1p(vy0 / w) / l.k : 0;
    r.H = vy0 > 0 ? y(r.apexTime) : l.h0;
    const detail::LambertForm form = detail::lambertForm(l, vy0);
    if (form.keepsDigits) {
        r.T = (form.a + form.b + form.W) / l.k;
        r.method = Method::LambertW;
    } else {
        r.T = detail::firstRoot(y, r.apexTime, detail::vacuumTime(vy0, l.h0, l.g));
        r.method = Method::RootSearch;
    }
    const State end = linearState(l, vx0, vy0, r.T);
    r.D = end.x;
    r.V = std::hypot(end.vx, end.vy);
    r.impactAngle = std::atan2(-end.vy, end.vx) * degrees;
}

bool finite(const Trajectory& r) {
    for (double v : {r.T, r.D, r.H, r.apexTime, r.V, r.impactAngle})
        if (!std::isfinite(v))
            return false;
    return r.T > 0;
}

} // namespace

// Limits are written as a pupil reads them, thousands grouped by no-break spaces so that a
// number is never split over two lines of a tip.
std::optional<Refusal> check(const Launch& l) {
    if (!within(l.v0, 1e-6, 1e8))
        return Refusal{
            Field::Speed,
            "Viteza de lansare trebuie sa fie pozitiva: cel putin 0,000001 m/s si cel mult "
            "100\u00A0000\u00A0000 m/s."};
    if (!within(l.angle, -90, 90))
        return Refusal{Field::Angle, "Unghiul de lansare trebuie sa fie intre -90 si 90 de grade."};
    if (!within(l.h0, 0, 1e8))
        return Refusal{Field::Height,
                       "Inaltimea de lansare trebuie sa fie intre 0 si 100\u00A0000\u00A0000 m."};
    if (l.h0 == 0 && l.angle < 0)
        return Refusal{Field::Angle, "Aruncat sub orizontala de pe sol, corpul nu zboara: alegeti "
                                     "un unghi pozitiv sau o inaltime de lansare mai mare decat 0."};
    if (l.h0 == 0 && l.angle == 0)
        return Refusal{Field::Angle, "Aruncat orizontal de pe sol, corpul nu zboara: alegeti un "
                                     "unghi mai mare decat 0 sau o inaltime de lansare."};
    // One limit for all media, far from the smallest doubles: at it, the slowest throw under the
    // strongest gravity still rises 1.5e-222 m, which the integrator resolves.
    if (l.h0 == 0 && l.angle < 1e-100)
        return Refusal{Field::Angle, "De pe sol, programul calculeaza aruncari cu unghiul de cel "
                                     "putin 1E-100 grade: alegeti un unghi mai mare sau o inaltime "
                                     "de lansare."};
    if (!within(l.g, 1e-6, 1e6))
        return Refusal{Field::Gravity,
                       "Acceleratia gravitationala trebuie sa fie pozitiva: cel "
                       "putin 0,000001 si cel mult 1\u00A0000\u00A0000 m/s patrat."};
    if (l.medium == Medium::LinearDrag && !linearDragRange.holds(l.k))
        return Refusal{Field::LinearDrag, "Coeficientul rezistentei liniare k trebuie sa fie "
                                          "pozitiv: cel putin 0,000000001 si cel mult 1000 pe "
                                          "secunda."};
    if (l.medium != Medium::QuadraticDrag)
        return std::nullopt;
    if (!massRange.holds(l.mass))
        return Refusal{Field::Mass, "Masa corpului trebuie sa fie pozitiva: cel putin 0,000000001 "
                                    "kg si cel mult 1\u00A0000\u00A0000\u00A0000 kg."};
    if (!diameterRange.holds(l.diameter))
        return Refusal{Field::Diameter, "Diametrul corpului trebuie sa fie pozitiv: cel putin "
                                        "0,000001 m si cel mult 1000 m."};
    if (!dragCoefficientRange.holds(l.cd))
        return Refusal{Field::DragCoefficient, "Coeficientul de rezistenta Cd trebuie sa fie cel "
                                               "putin 0,001 si cel mult 10."};
    if (!within(l.rho, 1e-6, 1e4))
        return Refusal{Field::Density, "Densitatea aerului trebuie sa fie pozitiva: cel putin "
                                       "0,000001 si cel mult 10\u00A0000 kg/m cub."};
    return std::nullopt;
}

double detail::vacuumTime(double vy, double h0, double g) {
    // The root after the launch, written so that neither sign of vy subtracts nearly equal numbers.
    const double s = std::sqrt(vy * vy + 2 * g * h0);
    return vy >= 0 ? (vy + s) / g : 2 * h0 / (s - vy);
}

detail::LambertForm detail::lambertForm(const Launch& l, double vy0) {
    const double w = l.g / l.k, a = 1 + vy0 / w, b = l.k * l.h0 / w;
    const double exponent = std::log(std::fabs(a)) - (a + b); // ln |z|
    const double z = a > 0 ? -std::exp(exponent) : std::exp(exponent);
    const double W = std::isfinite(z) ? numerics::lambertW0(z) : NAN;
    const double nearBranch = -std::expm1(exponent + 1); // 1 + e·z, for z < 0
    // At most 3 digits lost: to W0's slope near −1/e, or to a + b + W cancelling.
    const bool keepsDigits = std::isfinite(W) && (a <= 0 || nearBranch > 1e-3) &&
                             std::fabs(a) + b + std::fabs(W) <= 1e3 * (a + b + W);
    return {a, b, z, W, keepsDigits};
}

Refusal detail::notComputable(const Launch& l) {
    if (l.h0 * l.g > l.v0 * l.v0)
        return {Field::Height, "Aruncarea nu se poate calcula cu aceasta inaltime de lansare: "
                               "micsorati inaltimea."};
    return {Field::Speed, "Aruncarea nu se poate calcula cu aceasta viteza de lansare: "
                          "micsorati viteza."};
}

Result<Trajectory> solve(const Launch& launch) {
    if (auto refusal = check(launch))
        return *refusal;
    Trajectory r;
    r.launch = launch;
    const double vx = launch.v0 * cosDeg(launch.angle), vy = launch.v0 * sinDeg(launch.angle);
    r.vx0_ = vx;
    r.vy0_ = vy;
    switch (launch.medium) {
    case Medium::Vacuum:
        solveVacuum(r, vx, vy);
        break;
    case Medium::LinearDrag:
        solveLinear(r, vx, vy);
        break;
    case Medium::QuadraticDrag:
        if (auto refusal = detail::solveQuadratic(r, r.path_))
            return *refusal;
        break;
    }
    if (!finite(r))
        return detail::notComputable(launch);
    return r;
}

State Trajectory::at(double t) const {
    t = std::clamp(std::isnan(t) ? 0.0 : t, 0.0, T);
    const Launch& l = launch;
    const double vx = vx0_, vy = vy0_;
    switch (l.medium) {
    case Medium::Vacuum:
        return {t, vx * t, l.h0 + vy * t - l.g * t * t / 2, vx, vy - l.g * t, 0, -l.g};
    case Medium::LinearDrag:
        return linearState(l, vx, vy, t);
    case Medium::QuadraticDrag:
        break;
    }
    return detail::quadraticState(l, *path_, t);
}

Result<BestAngle> bestAngle(const Launch& launch) {
    Launch l = launch;
    l.angle = 45;
    if (auto refusal = check(l))
        return *refusal;
    // In vacuum tan θ = v0/√(v0² + 2·g·h0); with drag the greatest range is searched for.
    if (l.medium == Medium::Vacuum)
        l.angle = std::atan(l.v0 / std::sqrt(l.v0 * l.v0 + 2 * l.g * l.h0)) * degrees;
    else
        l.angle = detail::argmax(
            [&l](double angle) {
                Launch tried = l;
                tried.angle = angle;
                const auto r = solve(tried);
                return r ? r->D : 0.0;
            },
            0, 90);
    const auto best = solve(l);
    if (!best)
        return best.refusal();
    return BestAngle{l.angle, best->D};
}

} // namespace physics
