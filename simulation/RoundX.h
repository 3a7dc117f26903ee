#pragma once

#include "toolkit/Types.h"

namespace lopena {

// Rounds to intDecimals decimals, an exact half of the scaled double to the even neighbour.
double RoundX(const double& dblNumber, const tk::Integer& intDecimals);

} // namespace lopena
