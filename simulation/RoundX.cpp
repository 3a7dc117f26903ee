#include "simulation/RoundX.h"

#include <cmath>

namespace lopena {

double RoundX(const double& dblNumber, const tk::Integer& intDecimals) {
    const double factor = std::pow(10.0, intDecimals);
    const double scaled = dblNumber * factor;
    return std::nearbyint(scaled) / factor; // to nearest, ties to even, on the exact double
}

} // namespace lopena
