#pragma once

#include "notebook/Throw.h"
#include "toolkit/Locale.h"

#include <deque>
#include <string>

namespace lopena {

// The history of throws as a table, one column table for the desktop's model, the page, the CSV
// and sorting: a colour swatch, v0, angle, g, T, D, H, V; the Laborator's throws add the launch
// height, the medium and the prediction's errors.
namespace HistoryTable {

constexpr int columnCount = 8;
constexpr int labColumnCount = 13;
// The column's title, "" outside the table.
const char* header(int column);
// The columns a history shows: the Laborator's only once it has thrown, so a history of the
// main window's throws keeps its eight.
int columns(const std::deque<Throw>& history);
// A cell in its column's one format, fixed decimals for every throw (the swatch column is
// empty; the Laborator's columns are empty in the main window's rows).
std::string cell(const Throw& row, int column, const tk::Locale& locale);
// The value a column sorts by; an empty cell sorts first, the swatch column by launch.
double sortKey(const Throw& row, int column);
// Every row as CSV, UTF-8, CRLF, a header row; the colour as #rrggbb. The Laborator's columns
// come only once it has thrown, empty in the main window's rows.
std::string csv(const std::deque<Throw>& history, const tk::Locale& locale);

} // namespace HistoryTable

} // namespace lopena
