#include "notebook/HistoryTable.h"

#include "notebook/StepTable.h"
#include "toolkit/NumberText.h"

#include <algorithm>
#include <cstdio>
#include <limits>
#include <optional>
#include <vector>

namespace lopena {

namespace HistoryTable {

namespace {

using Value = std::optional<double>;

// A column: its title, the number its cells show and sort by (nothing: an empty cell, sorted
// first) and how a cell shows it.
struct Column {
    enum Shown { Swatch, Number, Medium };
    const char* header;
    Value (*value)(const Throw&);
    Shown shown = Number;
    int decimals = 3; // m, s, m/s and m/s2 to the millimetre
};

// The Laborator's columns are empty in the main window's rows.
const Column table[labColumnCount] = {
    {"Culoare", [](const Throw& r) -> Value { return r.number; }, Column::Swatch},
    {"v0 (m/s)", [](const Throw& r) -> Value { return r.v0; }},
    {"Unghi (grade)", [](const Throw& r) -> Value { return r.angleDegrees; }, Column::Number, 2},
    {"g (m/s2)", [](const Throw& r) -> Value { return r.g; }},
    {"T (s)", [](const Throw& r) -> Value { return r.flightTime(); }},
    {"D (m)", [](const Throw& r) -> Value { return r.D; }},
    {"H (m)", [](const Throw& r) -> Value { return r.H; }},
    {"V (m/s)", [](const Throw& r) -> Value { return r.V; }},
    {"h0 (m)", [](const Throw& r) { return r.lab ? Value(r.lab->flight.launch.h0) : std::nullopt; }},
    {"Mediu",
     [](const Throw& r) {
         return r.lab ? Value(static_cast<double>(r.lab->flight.launch.medium)) : std::nullopt;
     },
     Column::Medium},
    {"Eroare D (%)", [](const Throw& r) { return r.lab ? r.lab->error(0) : std::nullopt; },
     Column::Number, 1},
    {"Eroare H (%)", [](const Throw& r) { return r.lab ? r.lab->error(1) : std::nullopt; },
     Column::Number, 1},
    {"Eroare T (%)", [](const Throw& r) { return r.lab ? r.lab->error(2) : std::nullopt; },
     Column::Number, 1},
};
const char* const media[] = {"Vid", "Aer (liniar)", "Aer (patratic)"};

const Column* columnAt(int column) {
    return column >= 0 && column < labColumnCount ? &table[column] : nullptr;
}

std::string hexColour(tk::Colour colour) {
    const tk::Channels c = tk::channels(colour);
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", c.red, c.green, c.blue);
    return text;
}

} // namespace

const char* header(int column) {
    const Column* c = columnAt(column);
    return c ? c->header : "";
}

int columns(const std::deque<Throw>& history) {
    const bool lab = std::any_of(history.begin(), history.end(), [](const Throw& t) { return t.lab; });
    return lab ? labColumnCount : columnCount;
}

std::string cell(const Throw& row, int column, const tk::Locale& locale) {
    const Column* c = columnAt(column);
    const Value value = c ? c->value(row) : std::nullopt;
    if (!value || c->shown == Column::Swatch)
        return "";
    if (c->shown == Column::Medium)
        return media[static_cast<int>(*value)];
    return tk::FixedNumber(*value, c->decimals, locale);
}

double sortKey(const Throw& row, int column) {
    const Column* c = columnAt(column);
    return c ? c->value(row).value_or(-std::numeric_limits<double>::infinity()) : 0;
}

std::string csv(const std::deque<Throw>& history, const tk::Locale& locale) {
    const char separator = StepTable::csvSeparator(locale);
    const int count = columns(history);
    std::vector<std::string> fields;
    for (int column = 0; column < count; ++column)
        fields.push_back(header(column));
    std::string result = StepTable::joinFields(fields, separator, "\r\n");
    for (const Throw& row : history) {
        fields = {hexColour(row.colour)};
        for (int column = 1; column < count; ++column)
            fields.push_back(cell(row, column, locale));
        result += StepTable::joinFields(fields, separator, "\r\n");
    }
    return result;
}

} // namespace HistoryTable

} // namespace lopena
