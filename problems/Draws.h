#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace lopena {

// A range of givens as a textbook writes them: from lo to hi in steps of `step` (a power of ten
// or a simple fraction of one, like 0.5 or 0.05).
struct Range {
    double lo = 0, hi = 0, step = 1;
};

// The numbers of one exercise for one pupil: a stream seeded from the class code, the pupil's
// number, the exercise and the variant, in integer arithmetic only, so that every build and
// every machine draws the same numbers (no standard distribution, whose results differ between
// standard libraries).
class Draws {
public:
    Draws(std::string_view classCode, int pupil, std::string_view exercise, int variant);

    // The next 64 bits (splitmix64).
    std::uint64_t next();
    // A whole number from lo to hi, both included.
    long long whole(long long lo, long long hi);
    // A value of the range, on its steps: the nearest double to the decimal number.
    double pick(const Range& range);

    std::uint64_t seed() const { return seed_; }

private:
    std::uint64_t seed_;
    std::uint64_t state_;
};

// The class code as compared: blanks around it dropped, ASCII letters upper case ("9b " = "9B").
std::string normalClassCode(std::string_view text);

} // namespace lopena
