#include "physics/SolutionHtml.h"

#include "toolkit/NumberConversion.h"
#include "toolkit/NumberText.h"

#include <cmath>

namespace physics::html {

std::string escape(const std::string& text) {
    std::string out;
    for (char c : text)
        out += c == '&' ? "&amp;" : c == '<' ? "&lt;" : c == '>' ? "&gt;" : std::string(1, c);
    return out;
}

std::string number(double value, const tk::Locale& locale, int digits) {
    if (digits < 15 && std::isfinite(value) && value != 0)
        value = tk::ReadDecimal(tk::WriteScientific(value, digits - 1));
    return escape(tk::GeneralNumber(value, locale));
}

std::string factor(double value, const tk::Locale& locale, int digits) {
    const std::string text = number(value, locale, digits);
    return text.front() == '-' ? "(" + text + ")" : text;
}

std::string formula(const std::vector<Piece>& pieces) {
    std::string top = "<tr>", bottom = "<tr>";
    for (const Piece& p : pieces) {
        if (p.below.empty()) {
            top += "<td rowspan=\"2\" valign=\"middle\">" + p.above + "</td>";
        } else {
            top += "<td align=\"center\" style=\"border-bottom: 1px solid black;\">" + p.above +
                   "</td>";
            bottom += "<td align=\"center\">" + p.below + "</td>";
        }
    }
    return "<table cellspacing=\"0\" cellpadding=\"2\">" + top + "</tr>" + bottom +
           "</tr></table>\n";
}

} // namespace physics::html
