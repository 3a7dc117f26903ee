#pragma once

#include "toolkit/Types.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace lopena {

// The Laborator's series of angles: the boxes' launch thrown at each angle of a range in turn,
// every 5 degrees, one throw after the landing of the one before, each trail in its own colour.
class LabSeries {
public:
    static constexpr double step = 5;              // degrees between two throws
    static constexpr double first = 15, last = 75; // the range at the start, degrees
    static constexpr const char* outOfRange = "Seria: unghiurile de la 0 la 90 de grade.";
    static constexpr const char* reversed =
        "Seria: primul unghi trebuie sa fie cel mult egal cu ultimul.";

    // The range's refusal, for its first box (0) or its last (1); nothing for a range a
    // series can throw. Texts already read as numbers.
    struct Refusal {
        int box;
        const char* why;
    };
    static std::optional<Refusal> check(double from, double to);
    // The angles from `from` to `to`, degrees, `step` apart, `from` first.
    static std::vector<double> angles(double from, double to);
    // The trail colour of throw `index` of a series, readable on white.
    static tk::Colour colour(std::size_t index);

    void start(std::vector<double> angles);
    void stop() { angles_.clear(); }
    bool active() const { return !angles_.empty(); }
    // The next angle to throw, or nothing once the last was thrown.
    std::optional<double> next();
    // The index of the last angle handed out.
    std::size_t thrown() const { return next_ == 0 ? 0 : next_ - 1; }

private:
    std::vector<double> angles_;
    std::size_t next_ = 0;
};

} // namespace lopena
