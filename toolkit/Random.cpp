#include "toolkit/Random.h"

namespace tk {

Single Random::next() {
    // PCG-XSH-RR: small, fast and well distributed; the top 24 bits fill a float exactly.
    std::uint64_t old = state_;
    state_ = old * 6364136223846793005ULL + 1442695040888963407ULL;
    auto xorshifted = static_cast<std::uint32_t>(((old >> 18U) ^ old) >> 27U);
    auto rot = static_cast<std::uint32_t>(old >> 59U);
    std::uint32_t bits = (xorshifted >> rot) | (xorshifted << ((32U - rot) & 31U));
    return static_cast<Single>(bits >> 8U) * (1.0F / 16777216.0F);
}

} // namespace tk
