#include "laboratory/LabSeries.h"

#include <cmath>
#include <iterator>
#include <utility>

namespace lopena {

namespace {

// Apart in hue and darkness, none too pale on the white scene; more throws take them again.
constexpr tk::Colour palette[] = {
    tk::rgb(220, 30, 60),  tk::rgb(40, 150, 60), tk::rgb(50, 90, 210),  tk::rgb(240, 120, 30),
    tk::rgb(140, 30, 180), tk::rgb(0, 150, 165), tk::rgb(200, 40, 190), tk::rgb(150, 95, 30),
    tk::rgb(120, 120, 0),  tk::rgb(0, 0, 120),   tk::rgb(128, 0, 0),    tk::rgb(80, 80, 80),
    tk::rgb(200, 150, 0),
};

} // namespace

std::optional<LabSeries::Refusal> LabSeries::check(double from, double to) {
    for (int box = 0; box < 2; ++box) {
        const double angle = box == 0 ? from : to;
        if (!(angle >= 0 && angle <= 90))
            return Refusal{box, outOfRange};
    }
    if (from > to)
        return Refusal{0, reversed};
    return std::nullopt;
}

std::vector<double> LabSeries::angles(double from, double to) {
    std::vector<double> result;
    // Counted, not summed: 0.1 + 5 + 5... would drift off the last angle.
    const auto count = static_cast<int>(std::floor((to - from) / step + 1e-9)) + 1;
    for (int i = 0; i < count; ++i)
        result.push_back(from + step * i);
    return result;
}

tk::Colour LabSeries::colour(std::size_t index) {
    return palette[index % std::size(palette)];
}

void LabSeries::start(std::vector<double> angles) {
    angles_ = std::move(angles);
    next_ = 0;
}

std::optional<double> LabSeries::next() {
    if (next_ >= angles_.size())
        return std::nullopt;
    return angles_[next_++];
}

} // namespace lopena
