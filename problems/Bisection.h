#pragma once

#include <cmath>

namespace lopena {

// The root of f between lo and hi, where f changes sign, halved down to the last bits of a
// double: used to turn the model around (the speed or the angle that gives a range).
template <class F> double bisect(F f, double lo, double hi) {
    const bool risesToRoot = f(lo) < 0;
    for (int i = 0; i < 200; ++i) {
        const double mid = lo + (hi - lo) / 2;
        if (mid <= lo || mid >= hi)
            break;
        ((f(mid) < 0) == risesToRoot ? lo : hi) = mid;
    }
    return lo + (hi - lo) / 2;
}

} // namespace lopena
