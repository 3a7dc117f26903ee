#pragma once

#include "toolkit/Types.h"

#include <cstdint>

namespace tk {

// Uniform numbers in [0, 1) from a fixed start state: every run draws the same sequence; a
// seed gives another.
class Random {
public:
    Random() = default;
    explicit Random(std::uint64_t seed) : state_(seed * 6364136223846793005ULL + 1442695040888963407ULL) {}
    Single next();

private:
    std::uint64_t state_ = 0x853c49e6748fea9bULL;
};

} // namespace tk
