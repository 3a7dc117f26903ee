#include "simulation/FinalResults.h"

#include "simulation/RoundX.h"

#include <cmath>

namespace lopena {

std::optional<FinalResults> computeFinalResults(double vx, double vy, double g) {
    if (g == 0)
        return std::nullopt;
    // Every intermediate value is checked, not only the results: 2g overflowing would make
    // the height a plain, wrong 0.
    const double twoVy = 2 * vy, twoG = 2 * g, vySquared = vy * vy;
    const double t = twoVy / g;
    const double d = t * vx;
    const double h = vySquared / twoG;
    // The speed at impact is the magnitude of the velocity when the ball comes down.
    const double vyImpact = vy - g * t;
    const double vxSquared = vx * vx, vyImpactSquared = vyImpact * vyImpact;
    const double v = std::sqrt(vxSquared + vyImpactSquared);
    FinalResults r{RoundX(t, 2), RoundX(d, 3), RoundX(h, 3), v, t};
    for (double x : {vx, vy, g, twoVy, twoG, vySquared, t, d, h, g * t, vyImpact, vxSquared,
                     vyImpactSquared, v, r.totalTime, r.distance, r.maxHeight})
        if (!std::isfinite(x))
            return std::nullopt;
    return r;
}

} // namespace lopena
