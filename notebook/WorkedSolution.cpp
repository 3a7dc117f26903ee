#include "physics/LaunchSolution.h"
#include "notebook/WorkedSolution.h"

#include "simulation/FinalResults.h"
#include "toolkit/NumberText.h"

#include <cmath>
#include <cstdlib>
#include <numbers>
#include <vector>

namespace lopena {

namespace {

std::string escape(const std::string& text) {
    std::string html;
    for (char c : text) {
        switch (c) {
        case '&':
            html += "&amp;";
            break;
        case '<':
            html += "&lt;";
            break;
        case '>':
            html += "&gt;";
            break;
        default:
            html += c;
        }
    }
    return html;
}

// A number put into a formula after an operator: a negative one goes in parentheses.
std::string factor(const std::string& number) {
    return !number.empty() && number.front() == '-' ? "(" + escape(number) + ")" : escape(number);
}

// " = " when the result is written in full, " &asymp; " when the results frame rounded it.
std::string equals(const std::string& shown, const std::string& exact) {
    return shown == exact ? " = " : " &asymp; ";
}

// A piece of a formula laid out as a table, the only way QTextDocument sets a fraction: text
// spans both rows, a fraction puts its numerator over a rule and its denominator below.
struct Piece {
    std::string top;
    std::string bottom; // empty for plain text
};

std::string formula(const std::vector<Piece>& pieces) {
    std::string upper, lower;
    for (const Piece& piece : pieces) {
        if (piece.bottom.empty()) {
            upper += "<td rowspan=\"2\" valign=\"middle\">" + piece.top + "</td>";
            continue;
        }
        upper +=
            "<td align=\"center\" style=\"border-bottom: 1px solid black;\">" + piece.top + "</td>";
        lower += "<td align=\"center\">" + piece.bottom + "</td>";
    }
    return "<table cellspacing=\"0\" cellpadding=\"2\"><tr>" + upper + "</tr><tr>" + lower +
           "</tr></table>\n";
}

// A number as the solution writes it (C locale: digits, a point, E and a signed exponent), read
// back: what the pupil would compute with. Its digits and the power of ten are exact in a long
// double, so the one rounding is the quotient's or the product's.
long double written(double value) {
    const std::string text = tk::GeneralNumber(value, tk::Locale::c());
    long double digits = 0;
    int exponent = 0;
    std::size_t i = text[0] == '-' ? 1 : 0;
    for (bool fraction = false; i < text.size() && text[i] != 'E'; ++i) {
        if (text[i] == '.') {
            fraction = true;
            continue;
        }
        digits = 10 * digits + (text[i] - '0');
        exponent -= fraction ? 1 : 0;
    }
    if (i < text.size())
        exponent += std::atoi(text.c_str() + i + 1);
    long double power = 1;
    for (int k = 0; k < std::abs(exponent); ++k)
        power *= 10;
    const long double number = exponent < 0 ? digits / power : digits * power;
    return text[0] == '-' ? -number : number;
}

// " = " when v0 times the cosine (or sine) of the angle, both as written, rounds to the component
// shown, " &asymp; " when the program's own arithmetic left it a few last digits apart.
std::string component(const Throw& launch, bool sine, const std::string& shown,
                      const tk::Locale& locale) {
    const long double radians =
        written(launch.angleFlown()) * std::numbers::pi_v<long double> / 180;
    const long double exact = written(launch.v0) * (sine ? std::sin(radians) : std::cos(radians));
    return equals(shown, tk::GeneralNumber(static_cast<double>(exact), locale));
}

const char* const vx = "v<sub>x</sub>";
const char* const vy = "v<sub>y</sub>";
const char* const squared = "<sup>2</sup>";

} // namespace

WorkedSolution solve(const Throw& launch, const tk::Locale& locale) {
    auto text = [&locale](double value) { return tk::GeneralNumber(value, locale); };
    WorkedSolution s{text(launch.v0),
                     text(launch.angleDegrees),
                     text(launch.angleFlown()),
                     text(launch.g),
                     text(launch.vx),
                     text(launch.vy),
                     "",
                     "",
                     "",
                     ""};
    // The very texts the result labels show.
    s.T = launch.totalTime;
    s.D = launch.distance;
    s.H = launch.maxHeight;
    s.V = launch.impactSpeed;
    return s;
}

std::string solutionHtml(const Throw& launch, const tk::Locale& locale) {
    // A throw of the Laborator: the model's own solution, for any height and medium.
    if (launch.lab)
        return physics::solutionHtml(launch.lab->flight, locale);
    const WorkedSolution s = solve(launch, locale);
    auto text = [&locale](double value) { return tk::GeneralNumber(value, locale); };
    // D, H and V are computed with the unrounded time of flight, as the results frame does.
    const auto r = computeFinalResults(launch.vx, launch.vy, launch.g);
    const double t = r ? r->flightTime : launch.T;
    const std::string T = text(t);
    const std::string vyImpact = text(launch.vy - launch.g * t);

    std::string html = "<h3>Date</h3>\n<p>v<sub>0</sub> = " + escape(s.v0) +
                       " m/s<br>\n&alpha; = " + escape(s.angle) +
                       "&deg; (fata de orizontala)<br>\ng = " + escape(s.g) + " m/s" + squared +
                       "</p>\n";
    // The components come from the angle as the program holds it, which is what is written.
    if (s.angleFlown != s.angle)
        html += "<p>Programul pastreaza unghiul rotunjit la precizia sa: &alpha; = " +
                escape(s.angleFlown) + "&deg;; vitezele se calculeaza cu acest unghi.</p>\n";

    html += "<h3>Descompunerea vitezei</h3>\n<p>";
    html += std::string(vx) + " = v<sub>0</sub> &middot; cos &alpha; = " + escape(s.v0) +
            " &middot; cos " + factor(s.angleFlown) + "&deg;" +
            component(launch, false, s.vx, locale) + escape(s.vx) + " m/s<br>\n";
    html += std::string(vy) + " = v<sub>0</sub> &middot; sin &alpha; = " + escape(s.v0) +
            " &middot; sin " + factor(s.angleFlown) + "&deg;" +
            component(launch, true, s.vy, locale) + escape(s.vy) + " m/s</p>\n";

    html += "<h3>Timpul total de zbor</h3>\n";
    html += formula({{"T = ", ""},
                     {std::string("2 &middot; ") + vy, "g"},
                     {" = ", ""},
                     {"2 &middot; " + factor(s.vy), escape(s.g)},
                     {equals(s.T, T) + escape(s.T) + " s", ""}});
    if (s.T != T)
        html += "<p>In calculele urmatoare folosim T nerotunjit: " + escape(T) + " s.</p>\n";

    html += "<h3>Distanta parcursa</h3>\n<p>D = " + std::string(vx) +
            " &middot; T = " + escape(s.vx) + " &middot; " + factor(T) +
            equals(s.D, text(launch.vx * t)) + escape(s.D) + " m</p>\n";

    html += "<h3>Inaltimea maxima</h3>\n<p>" + std::string(vy) + squared + " = " + factor(s.vy) +
            squared + " = " + escape(text(launch.vy * launch.vy)) + " m" + squared + "/s" +
            squared + "</p>\n";
    html += formula(
        {{"H = ", ""},
         {std::string(vy) + squared, "2 &middot; g"},
         {" = ", ""},
         {escape(text(launch.vy * launch.vy)), "2 &middot; " + factor(s.g)},
         {equals(s.H, text(launch.vy * launch.vy / (2 * launch.g))) + escape(s.H) + " m", ""}});

    html += "<h3>Viteza la impact</h3>\n<p>" + std::string(vy) +
            " &minus; g &middot; T = " + escape(s.vy) + " &minus; " + factor(s.g) + " &middot; " +
            factor(T) + " = " + escape(vyImpact) + " m/s<br>\n";
    html += "V = &radic;(" + std::string(vx) + squared + " + (" + vy + " &minus; g &middot; T)" +
            squared + ") = &radic;(" + factor(s.vx) + squared + " + " + factor(vyImpact) + squared +
            ") = " + escape(s.V) + " m/s</p>\n";
    return html;
}

const char* const noSolutionText = "Apasati Start pentru a vedea rezolvarea.";
const char* const printTitle = "Aruncare pe oblica - rezolvare";

std::string printHtml(const Throw& launch, const tk::Locale& locale, std::time_t when) {
    std::tm local{};
    localtime_r(&when, &local);
    char date[32];
    std::strftime(date, sizeof date, "%d.%m.%Y %H:%M", &local);
    // The inputs as typed, without the spaces around them.
    auto input = [](const std::string& text) {
        const auto first = text.find_first_not_of(" \t"), last = text.find_last_not_of(" \t");
        return escape(first == std::string::npos ? std::string() : text.substr(first, last - first + 1));
    };
    std::string throwing = "v<sub>0</sub> = " + input(launch.speed) + " m/s, unghiul = " +
                           input(launch.angle) + " grade, ";
    std::string where;
    if (launch.lab) {
        // A throw of the Laborator from any height, in any medium.
        const physics::Launch& l = launch.lab->flight.launch;
        throwing += "h<sub>0</sub> = " + escape(tk::GeneralNumber(l.h0, locale)) + " m, ";
        static const char* const media[] = {", in vid", ", in aer (rezistenta liniara)",
                                            ", in aer (rezistenta patratica)"};
        where = media[static_cast<int>(l.medium)];
    }
    return "<h2>" + std::string(printTitle) + "</h2><p>Data: " + date + "</p><p>Aruncarea " +
           std::to_string(launch.number) + ": " + throwing + "g = " + input(launch.gravity) +
           " m/s<sup>2</sup>" + where + "</p><hr/>" + solutionHtml(launch, locale);
}

} // namespace lopena
