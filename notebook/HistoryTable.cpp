#include "notebook/HistoryTable.h"

#include "notebook/StepTable.h"

#include "laboratory/LabMath.h"
#include "toolkit/NumberText.h"

#include <algorithm>
#include <cstdio>
#include <limits>
#include <optional>
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

// Decimals per column: m, s, m/s and m/s2 to the millimetre, degrees to 0.01, per cent to 0.1.
constexpr int decimals[labColumnCount] = {0, 3, 2, 3, 3, 3, 3, 3, 3, 0, 1, 1, 1};

// The number a cell shows, or nothing: the swatch, the medium, the Laborator's columns of the
// main window's rows and an error nobody predicted.
std::optional<double> number(const Throw& row, int column) {
    const double values[] = {0,     row.v0, row.angleDegrees, row.g, row.flightTime(), row.D,
                             row.H, row.V};
    if (column >= 1 && column < columnCount)
        return values[column];
    if (!row.lab || column < 8 || column == 9 || column >= labColumnCount)
        return std::nullopt;
    if (column == 8)
        return row.lab->flight.launch.h0;
    const auto& predicted = row.lab->predicted[static_cast<std::size_t>(column - 10)];
    const double results[] = {row.D, row.H, row.T};
    return predicted ? lab::errorPercent(*predicted, results[column - 10]) : std::nullopt;
}

} // namespace

int columns(const std::deque<Throw>& history) {
    const bool lab = std::any_of(history.begin(), history.end(), [](const Throw& t) { return t.lab; });
    return lab ? labColumnCount : columnCount;
}

std::string cell(const Throw& row, int column, const tk::Locale& locale) {
    if (column == 9)
        return row.lab ? media[static_cast<int>(row.lab->flight.launch.medium)] : "";
    const std::optional<double> value = number(row, column);
    return value ? tk::FixedNumber(*value, decimals[column], locale) : "";
}

double sortKey(const Throw& row, int column) {
    if (column == 0) // the swatch column keeps the order of the launches
        return row.number;
    if (column == 9 && row.lab)
        return static_cast<double>(row.lab->flight.launch.medium);
    if (column < 0 || column >= labColumnCount)
        return 0;
    return number(row, column).value_or(-std::numeric_limits<double>::infinity());
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
