#pragma once

#include "notebook/Throw.h"
#include "toolkit/Locale.h"

#include <deque>
#include <string>

namespace lopena {

// The history of throws as a table: a colour swatch, v0, angle, g, T, D, H, V.
namespace HistoryTable {

constexpr int columnCount = 8;
// The Laborator's throws add the launch height, the medium and the prediction's errors.
constexpr int labColumnCount = 13;
// "Culoare", "v0 (m/s)", "Unghi (grade)", "g (m/s2)", "T (s)", "D (m)", "H (m)", "V (m/s)",
// "h0 (m)", "Mediu", "Eroare D (%)", "Eroare H (%)", "Eroare T (%)".
extern const char* const headers[labColumnCount];
// The columns a history shows: the Laborator's only once it has thrown, so a history of the
// main window's throws keeps its eight.
int columns(const std::deque<Throw>& history);
// A cell in its column's one format, fixed decimals for every throw (the swatch column is
// empty; the Laborator's columns are empty in the main window's rows).
std::string cell(const Throw& row, int column, const tk::Locale& locale);
// The value a column sorts by; an empty cell sorts first.
double sortKey(const Throw& row, int column);
// Every row as CSV, UTF-8, CRLF, a header row; the colour as #rrggbb. The Laborator's columns
// come only once it has thrown, empty in the main window's rows.
std::string csv(const std::deque<Throw>& history, const tk::Locale& locale);

} // namespace HistoryTable

} // namespace lopena
