#include "laboratory/LabMath.h"

#include "toolkit/NumberConversion.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <numbers>

namespace lopena::lab {

double roundScale(double needed) {
    if (!(needed > 0) || !std::isfinite(needed))
        return 1;
    const double power = std::pow(10.0, std::floor(std::log10(needed)));
    // The power itself may come out a hair above or below the exact one: a relative tolerance
    // keeps 5 from becoming 10 when 5 was needed.
    for (double mantissa : {1.0, 2.0, 5.0, 10.0, 20.0})
        if (mantissa * power >= needed * (1 - 1e-12))
            return mantissa * power;
    return 20 * power;
}

int stars(double landing, double centre, double width) {
    const double off = std::fabs(landing - centre);
    if (!(width > 0) || !(off <= width / 2))
        return 0;
    return off <= width / 6 ? 3 : off <= width / 3 ? 2 : 1;
}

namespace {

// u + e^(-u) - 1 for u >= 0, its first digits kept where u is small.
double linearFall(double u) {
    if (u < 0.01)
        return u * u * (0.5 - u * (1.0 / 6 - u * (1.0 / 24 - u * (1.0 / 120 - u / 720))));
    return u + std::expm1(-u);
}

// ln cosh s for s >= 0, without overflow and without losing the small ones.
double logCosh(double s) {
    if (s > 20)
        return s + std::log1p(std::exp(-2 * s)) - std::numbers::ln2;
    const double half = std::sinh(s / 2);
    return std::log1p(2 * half * half);
}

} // namespace

Drop::Drop(const physics::Launch& l) : medium_(l.medium), h0_(l.h0), g_(l.g) {
    if (!(h0_ > 0))
        return;
    switch (medium_) {
    case physics::Medium::Vacuum:
        landing_ = std::sqrt(2 * h0_ / g_);
        break;
    case physics::Medium::LinearDrag: {
        rate_ = l.k;
        terminal_ = g_ / l.k;
        // linearFall(k·T) = c: between sqrt(2c) (linearFall(u) <= u²/2) and c + 1 (>= u - 1).
        const double c = l.k * h0_ / terminal_;
        double lo = std::sqrt(2 * c), hi = c + 1;
        for (int i = 0; i < 200 && lo < hi; ++i) {
            const double mid = lo + (hi - lo) / 2;
            if (mid <= lo || mid >= hi)
                break;
            (linearFall(mid) < c ? lo : hi) = mid;
        }
        landing_ = hi / l.k;
        break;
    }
    case physics::Medium::QuadraticDrag: {
        const double c =
            l.rho * l.cd * (std::numbers::pi * l.diameter * l.diameter / 4) / (2 * l.mass);
        terminal_ = std::sqrt(g_ / c);
        rate_ = g_ / terminal_;
        // cosh s = e^x with x = g·h0/w²: s = acosh(e^x) = x + ln(1 + sqrt(1 - e^(-2x))).
        const double x = g_ * h0_ / (terminal_ * terminal_);
        landing_ = (x + std::log1p(std::sqrt(-std::expm1(-2 * x)))) / rate_;
        break;
    }
    }
}

double Drop::fallen(double t) const {
    switch (medium_) {
    case physics::Medium::Vacuum:
        return g_ * t * t / 2;
    case physics::Medium::LinearDrag:
        return terminal_ / rate_ * linearFall(rate_ * t);
    case physics::Medium::QuadraticDrag:
        return terminal_ * terminal_ / g_ * logCosh(rate_ * t);
    }
    return 0;
}

double Drop::y(double t) const {
    if (!(t < landing_))
        return 0;
    return std::max(0.0, h0_ - fallen(std::max(0.0, t)));
}

Energies energies(const physics::State& s, double mass, double g, double launched) {
    Energies e{};
    e.kinetic = mass * (s.vx * s.vx + s.vy * s.vy) / 2;
    e.potential = mass * g * s.y;
    e.mechanical = e.kinetic + e.potential;
    e.lost = launched - e.mechanical;
    return e;
}

double settled(double joules) {
    if (!std::isfinite(joules) || joules == 0)
        return joules;
    return tk::ReadDecimal(tk::WriteScientific(joules, 9));
}

} // namespace lopena::lab
