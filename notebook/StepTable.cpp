#include "notebook/StepTable.h"

#include "toolkit/NumberConversion.h"
#include "toolkit/NumberText.h"

#include <cmath>

namespace lopena {

namespace StepTable {

const char* const headers[airColumnCount] = {"n",        "t (s)",    "x (m)",     "y (m)",    "vx (m/s)",
                                             "vy (m/s)", "v (m/s)", "ax (m/s2)", "ay (m/s2)"};
const char* const landingRowTitle = "aterizare (calculat)";
const char* const interruptedRowTitle = "zbor intrerupt";

namespace {

std::string number(double value, int column, const tk::Locale& locale) {
    return tk::FixedNumber(value, column == 1 ? 2 : 3, locale);
}

std::vector<std::string> row(const Throw& flight, std::size_t index, const tk::Locale& locale) {
    std::vector<std::string> fields;
    for (int column = 0; column < columns(flight); ++column)
        fields.push_back(cell(flight, index, column, locale));
    return fields;
}

} // namespace

int columns(const Throw& flight) {
    return flight.inAir() ? airColumnCount : columnCount;
}

std::size_t rowCount(const Throw& flight) {
    return flight.log.size() + (flight.log.ended() && !flight.log.landingLogged() ? 1 : 0);
}

bool isLandingRow(const Throw& flight, std::size_t row) {
    return flight.log.landing() && isClosingRow(flight, row);
}

bool isClosingRow(const Throw& flight, std::size_t row) {
    return flight.log.ended() && row + 1 == rowCount(flight);
}

std::string cell(const Throw& flight, std::size_t row, int column, const tk::Locale& locale) {
    if (column < 0 || column >= columns(flight))
        return "";
    if (column >= columnCount) {
        // The acceleration in air, from the model at the step's time (the landing's at T).
        if (row >= rowCount(flight) || (isClosingRow(flight, row) && !isLandingRow(flight, row)))
            return "";
        const double t = isLandingRow(flight, row) ? flight.log.landing()->t : flight.log.steps()[row].t;
        const physics::State s = flight.lab->flight.at(t);
        return number(column == columnCount ? s.ax : s.ay, column, locale);
    }
    if (isLandingRow(flight, row)) {
        const ExactLanding& landing = *flight.log.landing();
        const double values[] = {0, landing.t, landing.x, 0, landing.vx, landing.vy, landing.v};
        return column == 0 ? landingRowTitle : number(values[column], column, locale);
    }
    if (isClosingRow(flight, row))
        return column == 0 ? interruptedRowTitle : "";
    if (row >= flight.log.size())
        return "";
    const FlightStep& step = flight.log.steps()[row];
    const double values[] = {0, step.t, step.x, step.y, step.vx, step.vy, step.v};
    return column == 0 ? std::to_string(row) : number(values[column], column, locale);
}

std::string mark(const Throw& flight, std::size_t row) {
    if (isLandingRow(flight, row))
        return "Aterizarea calculata din formule";
    if (isClosingRow(flight, row))
        return "Pozitia mingii nu mai incape in domeniul numerelor: zborul s-a oprit aici";
    const long index = static_cast<long>(row);
    std::string why;
    if (index == flight.log.highestStep())
        why = "Punctul cel mai inalt";
    if (index == flight.log.landingStep())
        why += (why.empty() ? "" : "; ") + std::string("Pasul aterizarii");
    return why;
}

std::string text(const Throw& flight, const std::vector<std::size_t>& rows, char separator,
                 const char* eol, const tk::Locale& locale) {
    std::string result =
        joinFields(std::vector<std::string>(headers, headers + columns(flight)), separator, eol);
    for (std::size_t index : rows)
        if (index < rowCount(flight))
            result += joinFields(row(flight, index, locale), separator, eol);
    return result;
}

std::string csv(const Throw& flight, const tk::Locale& locale) {
    std::vector<std::size_t> rows(rowCount(flight));
    for (std::size_t index = 0; index < rows.size(); ++index)
        rows[index] = index;
    return text(flight, rows, csvSeparator(locale), "\r\n", locale);
}

char csvSeparator(const tk::Locale& locale) {
    return locale.decimalSeparator == "," ? ';' : ',';
}

std::string joinFields(const std::vector<std::string>& fields, char separator, const char* eol) {
    const char special[] = {separator, '"', '\r', '\n', '\0'};
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            line += separator;
        const std::string& field = fields[i];
        if (field.find_first_of(special) == std::string::npos) {
            line += field;
            continue;
        }
        line += '"';
        for (char c : field)
            line += c == '"' ? std::string("\"\"") : std::string(1, c);
        line += '"';
    }
    return line + eol;
}

} // namespace StepTable

} // namespace lopena
