#pragma once

#include "notebook/Throw.h"
#include "toolkit/Locale.h"

#include <cstddef>
#include <string>
#include <vector>

namespace lopena {

// The step table of a flight: one row per step, then, once the ball is down, the row of the
// exact landing computed from the results (the last step itself when the log holds it), or,
// for a flight cut short, a row that says so.
namespace StepTable {

constexpr int columnCount = 7;
// A throw of the Laborator in air has two more: the acceleration.
constexpr int airColumnCount = 9;
int columns(const Throw& flight);
// "n", "t (s)", "x (m)", "y (m)", "vx (m/s)", "vy (m/s)", "v (m/s)", "ax (m/s2)", "ay (m/s2)".
extern const char* const headers[airColumnCount];
// The first cell of the exact-landing row.
extern const char* const landingRowTitle; // "aterizare (calculat)"
// The first and only filled cell of the last row of a flight cut short.
extern const char* const interruptedRowTitle; // "zbor intrerupt"

std::size_t rowCount(const Throw& flight);
bool isLandingRow(const Throw& flight, std::size_t row);
// The last row of a flight that ended: the exact landing, or the row of a flight cut short.
bool isClosingRow(const Throw& flight, std::size_t row);
// A cell as shown: the locale's decimal separator, 3 decimals (t with 2); n as a whole number.
std::string cell(const Throw& flight, std::size_t row, int column, const tk::Locale& locale);
// Why a row is marked, for its tooltip ("Punctul cel mai inalt", "Pasul aterizarii"), or "".
std::string mark(const Throw& flight, std::size_t row);

// The given rows with a header row, fields joined by `separator`, each line ending in `eol`.
std::string text(const Throw& flight, const std::vector<std::size_t>& rows, char separator,
                 const char* eol, const tk::Locale& locale);
// The whole table as CSV: UTF-8, CRLF, a header row.
std::string csv(const Throw& flight, const tk::Locale& locale);
// ";" when the locale writes decimals with a comma, "," otherwise.
char csvSeparator(const tk::Locale& locale);
// One line of fields joined by `separator` and ending in `eol`; a field holding the separator, a
// quote or a line break is put in quotes, its quotes doubled.
std::string joinFields(const std::vector<std::string>& fields, char separator, const char* eol);

} // namespace StepTable

} // namespace lopena
