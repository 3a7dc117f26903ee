#include "laboratory/TargetGame.h"

#include "laboratory/LabMath.h"

#include <cmath>

namespace lopena {

void TargetGame::place(double centre, double width) {
    centre_ = centre;
    width_ = std::isfinite(centre) && std::isfinite(width) && centre >= 0 ? width : 0;
    throws_ = 0;
    firstHit_ = 0;
    roundThrows_ = 0;
    roundStars_ = 0;
}

void TargetGame::thrown(double centre, double width) {
    if (centre != centre_ || width != width_)
        place(centre, width);
    ++roundThrows_;
    if (firstHit_ == 0)
        ++throws_;
}

int TargetGame::landed(double distance) {
    const int count = lab::stars(distance, centre_, width_);
    roundStars_ += count;
    if (count > 0 && firstHit_ == 0)
        firstHit_ = throws_;
    return count;
}

} // namespace lopena
