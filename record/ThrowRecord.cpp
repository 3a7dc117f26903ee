#include "record/ThrowRecord.h"

#include "toolkit/NumberText.h"

#include <cmath>

namespace lopena {

std::optional<double> errorPercent(double predicted, double result) {
    if (result == 0 || !std::isfinite(predicted))
        return std::nullopt;
    return (predicted - result) / result * 100;
}

LaunchFacts LaunchFacts::of(const Numbers& n, tk::Colour colour, const tk::Locale& locale,
                            std::optional<int> decimals) {
    auto general = [&locale](double value) { return tk::GeneralNumber(value, locale); };
    auto result = [&](double value) {
        return decimals ? tk::FixedNumber(value, *decimals, locale) : general(value);
    };
    return {general(n.v0), general(n.angle), general(n.g), result(n.T), result(n.D),
            result(n.H),   result(n.V),      n.v0,         n.angle,     n.g,
            n.vx,          n.vy,             n.T,          n.D,         n.H,
            n.V,           colour};
}

std::optional<double> LabThrow::error(std::size_t i) const {
    const double results[] = {flight.D, flight.H, flight.T};
    return i < predicted.size() && predicted[i] ? errorPercent(*predicted[i], results[i])
                                                : std::nullopt;
}

ThrowRecord ThrowRecord::of(const LabThrow& launch, const tk::Locale& locale) {
    const physics::Trajectory& r = launch.flight;
    const physics::Launch& in = r.launch;
    const physics::State start = r.at(0);
    ThrowRecord record;
    // The results as the Laborator's labels show them: 3 decimals.
    static_cast<LaunchFacts&>(record) = LaunchFacts::of(
        {in.v0, in.angle, in.g, start.vx, start.vy, r.T, r.D, r.H, r.V}, launch.colour, locale, 3);
    record.lab = std::make_shared<const LabThrow>(launch);
    return record;
}

} // namespace lopena
