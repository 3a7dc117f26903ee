#pragma once

#include "toolkit/Types.h"

#include <cstdint>

namespace tk {

// Uniform numbers in [0, 1) from a fixed start state: every run draws the same sequence.
class Random {
public:
    Single next();

private:
    std::uint64_t state_ = 0x853c49e6748fea9bULL;
};

} // namespace tk
