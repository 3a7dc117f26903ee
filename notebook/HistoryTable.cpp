#include "notebook/HistoryTable.h"

#include "notebook/StepTable.h"

#include "laboratory/LabMath.h"
#include "toolkit/NumberText.h"

#include <algorithm>
#include <cstdio>
#include <limits>
#include <vector>

namespace lopena {

namespace HistoryTable {

const char* const headers[labColumnCount] = {
    "Culoare", "v0 (m/s)", "Unghi (grade)", "g (m/s2)",     "T (s)",        "D (m)",       "H (m)",
    "V (m/s)", "h0 (m)",   "Mediu",         "Eroare D (%)", "Eroare H (%)", "Eroare T (%)"};
const char* const media[] = {"Vid", "Aer (liniar)", "Aer (patratic)"};

namespace {

// tk::Colour holds red + 256 * green + 65536 * blue.
std::string hexColour(tk::Colour colour) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", colour & 0xff, (colour >> 8) & 0xff,
                  (colour >> 16) & 0xff);
    return text;
}

} // namespace

int columns(const std::deque<Throw>& history) {
    const bool lab = std::any_of(history.begin(), history.end(), [](const Throw& t) { return t.lab; });
    return lab ? labColumnCount : columnCount;
}

std::string cell(const Throw& row, int column, const tk::Locale& locale) {
    switch (column) {
    case 1:
        return row.speed;
    case 2:
        return row.angle;
    case 3:
        return row.gravity;
    case 4:
        return row.totalTime;
    case 5:
        return row.distance;
    case 6:
        return row.maxHeight;
    case 7:
        return row.impactSpeed;
    case 8:
        return row.height;
    case 9:
        return row.lab ? media[static_cast<int>(row.lab->flight.launch.medium)] : "";
    case 10:
    case 11:
    case 12: {
        if (!row.lab)
            return "";
        const auto& predicted = row.lab->predicted[static_cast<std::size_t>(column - 10)];
        const double results[] = {row.D, row.H, row.T};
        const auto error = predicted ? lab::errorPercent(*predicted, results[column - 10])
                                     : std::nullopt;
        return error ? tk::FixedNumber(*error, 1, locale) : "";
    }
    default:
        return ""; // the swatch is painted, not written
    }
}

double sortKey(const Throw& row, int column) {
    if (column >= columnCount && column < labColumnCount) {
        constexpr double empty = -std::numeric_limits<double>::infinity();
        if (!row.lab)
            return empty;
        const physics::Launch& launch = row.lab->flight.launch;
        if (column == 8)
            return launch.h0;
        if (column == 9)
            return static_cast<double>(launch.medium);
        const auto& predicted = row.lab->predicted[static_cast<std::size_t>(column - 10)];
        const double results[] = {row.D, row.H, row.T};
        const auto error = predicted ? lab::errorPercent(*predicted, results[column - 10])
                                     : std::nullopt;
        return error ? *error : empty;
    }
    // The swatch column keeps the order of the launches.
    const double keys[columnCount] = {static_cast<double>(row.number),
                                      row.v0,
                                      row.angleDegrees,
                                      row.g,
                                      row.T,
                                      row.D,
                                      row.H,
                                      row.V};
    return column >= 0 && column < columnCount ? keys[column] : 0;
}

std::string csv(const std::deque<Throw>& history, const tk::Locale& locale) {
    const char separator = StepTable::csvSeparator(locale);
    const int count = columns(history);
    std::string result = StepTable::joinFields(
        std::vector<std::string>(headers, headers + count), separator, "\r\n");
    for (const Throw& row : history) {
        std::vector<std::string> fields{hexColour(row.colour)};
        for (int column = 1; column < count; ++column)
            fields.push_back(cell(row, column, locale));
        result += StepTable::joinFields(fields, separator, "\r\n");
    }
    return result;
}

} // namespace HistoryTable

} // namespace lopena
