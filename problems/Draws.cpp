#include "problems/Draws.h"

#include <cmath>
#include <string>

namespace lopena {

namespace {

// FNV-1a, 64 bits: a portable hash of the seed's text.
std::uint64_t fnv1a(std::string_view text) {
    std::uint64_t hash = 0xcbf29ce484222325ULL;
    for (unsigned char c : text) {
        hash ^= c;
        hash *= 0x100000001b3ULL;
    }
    return hash;
}

} // namespace

std::string normalClassCode(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    text = text.substr(first, text.find_last_not_of(" \t") - first + 1);
    std::string code(text);
    for (char& c : code)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return code;
}

Draws::Draws(std::string_view classCode, int pupil, std::string_view exercise, int variant) {
    // The parts joined by a byte no text holds, so that "9B", 12 and "9B1", 2 differ.
    const std::string text = normalClassCode(classCode) + '\x1f' + std::to_string(pupil) + '\x1f' +
                             std::string(exercise) + '\x1f' + std::to_string(variant);
    seed_ = state_ = fnv1a(text);
}

std::uint64_t Draws::next() {
    std::uint64_t z = (state_ += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

long long Draws::whole(long long lo, long long hi) {
    // The remainder's bias is below 1e-16 for the few dozen values of a range.
    const auto count = static_cast<std::uint64_t>(hi - lo) + 1;
    return lo + static_cast<long long>(next() % count);
}

double Draws::pick(const Range& r) {
    // Steps below 1 as a division by whole tenths or twentieths, which rounds to the nearest
    // double of the decimal number, so that 17 / 20 is written "0,85" and never "0,8500000001".
    if (r.step < 1) {
        const double per = std::round(1 / r.step);
        const long long lo = std::llround(r.lo * per), hi = std::llround(r.hi * per);
        return static_cast<double>(whole(lo, hi)) / per;
    }
    const long long lo = std::llround(r.lo / r.step), hi = std::llround(r.hi / r.step);
    return static_cast<double>(whole(lo, hi)) * r.step;
}

} // namespace lopena
