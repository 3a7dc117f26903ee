#include "simulation/FinalResults.h"

#include "simulation/RoundX.h"

#include <cmath>

namespace lopena {

std::optional<FinalResults> computeFinalResults(double vx, double vy, double g) {
    if (g == 0 || !std::isfinite(g) || !std::isfinite(vx) || !std::isfinite(vy))
        return std::nullopt;
    const double t = 2 * vy / g;
    const double d = t * vx;
    const double h = vy * vy / (2 * g);
    // The speed at impact is the magnitude of the velocity when the ball comes down.
    const double vyImpact = vy - g * t;
    const double v = std::sqrt(vx * vx + vyImpact * vyImpact);
    FinalResults r{RoundX(t, 2), RoundX(d, 3), RoundX(h, 3), v, t};
    for (double x : {t, d, h, v, r.totalTime, r.distance, r.maxHeight})
        if (!std::isfinite(x))
            return std::nullopt;
    return r;
}

} // namespace lopena
