#include "laboratory/LabMath.h"

#include <cmath>
#include <initializer_list>

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

} // namespace lopena::lab
