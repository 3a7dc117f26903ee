#include "problems/ProblemSolution.h"

#include "laboratory/frmLab.h"
#include "problems/Verdict.h"
#include "toolkit/NumberText.h"

#include <cmath>

namespace lopena {

namespace {

// n() a given as the statement writes it, r() a result to three digits, sq() a result squared
// in a formula.
struct Writer {
    const Problem& p;
    const std::vector<std::string>& pupil;
    const tk::Locale& locale;
    std::vector<std::string> lines;

    std::string n(double v) const { return tk::GeneralNumber(v, locale); }
    std::string r(double v) const { return threeDigits(v, locale); }
    double value(std::size_t i) const { return p.answers[i].value; }
    std::string g() const { return n(p.givens.g); }
    void line(const std::string& text) { lines.push_back(text); }
    // The formula with its numbers, then " = " the answer with its unit and the pupil's.
    void result(std::size_t i, const std::string& formula) {
        std::string text = formula + " = " + withUnit(r(value(i)), p.answers[i].unit);
        if (i < pupil.size() && pupil[i].find_first_not_of(" \t") != std::string::npos)
            text += "      (raspunsul tau: " + withUnit(pupil[i], p.answers[i].unit) + ")";
        line(text);
    }
    void givens();
    void components(const physics::State& s, bool down);
    void write();
    void kindA(); // horizontal, from the ground, the largest range
    void kindB(); // from a height, upwards or downwards, vertical
    void kindC(); // elsewhere, the speed needed, the best angle, in air
};

void Writer::givens() {
    const Givens& v = p.givens;
    const ProblemTemplate& t = *p.from;
    std::string text = "Date:";
    auto add = [&](bool used, const std::string& part) {
        if (used)
            text += (text.size() > 5 ? ", " : " ") + part;
    };
    add(t.v.hi > 0, "v0 = " + n(v.v0) + " m/s");
    add(t.a.hi > 0,
        "α = " + n(v.angle) + "°" + (t.kind == Kind::DownFromHeight ? " sub orizontala" : ""));
    add(t.h.hi > 0, "h = " + n(v.h0) + " m");
    add(t.d.hi > 0, "d = " + n(v.distance) + " m");
    line(text + ", g = " + g() + " m/s²");
}

void Writer::components(const physics::State& s, bool down) {
    const std::string a = n(p.givens.angle);
    line("vx = v0 · cos α = " + n(p.givens.v0) + " · cos " + a + "° = " + r(s.vx) +
         " m/s;   vy0 = v0 · sin α = " + n(p.givens.v0) + " · sin " + a +
         "° = " + r(std::fabs(s.vy)) + " m/s" + (down ? " (in jos)" : ""));
}

void Writer::kindA() {
    const std::string v0 = n(p.givens.v0);
    switch (p.from->kind) {
    case Kind::Horizontal: {
        const double vy = std::sqrt(value(2) * value(2) - p.givens.v0 * p.givens.v0);
        line("Pe orizontala miscarea este uniforma (vx = v0), pe verticala o cadere libera.");
        result(0, "t = √(2h / g) = √(2 · " + n(p.givens.h0) + " / " + g() + ")");
        result(1, "d = v0 · t = " + v0 + " · " + r(value(0)));
        line("vy = g · t = " + g() + " · " + r(value(0)) + " = " + r(vy) + " m/s");
        result(2, "v = √(v0² + vy²) = √(" + v0 + "² + " + r(vy) + "²)");
        result(3, "tg β = vy / v0 = " + r(vy) + " / " + v0 + " = " + r(vy / p.givens.v0) + ", β");
        break;
    }
    case Kind::FromGround: {
        const double vy0 = p.givens.g * value(0);
        components(physics::solve(p.launch)->at(0), false);
        result(0, "tu = vy0 / g = " + r(vy0) + " / " + g());
        result(1, "T = 2 · tu = 2 · " + r(value(0)));
        result(2, "H = vy0² / (2g) = " + r(vy0) + "² / (2 · " + g() + ")");
        result(3, "D = vx · T = " + r(value(4)) + " · " + r(value(1)));
        result(4, "In varf viteza este orizontala: v = vx");
        break;
    }
    default: {
        const double s = p.givens.distance / value(0);
        line("De pe sol, D = v0² · sin 2α / g: cea mai mare cand sin 2α = 1, adica α = 45°.");
        result(0, "Dmax = v0² / g = " + v0 + "² / " + g());
        line("sin 2α = g · d / v0² = " + g() + " · " + n(p.givens.distance) + " / " + v0 +
             "² = " + r(s));
        result(1, "2α1 = arcsin " + r(s) + " = " + r(2 * value(1)) + "°, α1");
        result(2, "α2 = 90° − α1");
    }
    }
}

void Writer::kindB() {
    const std::string v0 = n(p.givens.v0), h = n(p.givens.h0);
    const auto flight = *physics::solve(p.launch);
    if (p.from->kind == Kind::Vertical) {
        if (p.from->down) {
            result(0, "h = v0 · t + g · t²/2: t = (√(v0² + 2gh) − v0) / g = (√(" + v0 + "² + 2 · " +
                          g() + " · " + h + ") − " + v0 + ") / " + g());
            result(1, "v = v0 + g · t = " + v0 + " + " + g() + " · " + r(value(0)));
            return;
        }
        const double fall = value(2) - value(0);
        result(0, "tu = v0 / g = " + v0 + " / " + g());
        result(1, p.givens.h0 > 0
                      ? "H = h + v0² / (2g) = " + h + " + " + v0 + "² / (2 · " + g() + ")"
                      : "H = v0² / (2g) = " + v0 + "² / (2 · " + g() + ")");
        line("Caderea din varf: tc = √(2H / g) = √(2 · " + r(value(1)) + " / " + g() +
             ") = " + r(fall) + " s");
        result(2, "T = tu + tc = " + r(value(0)) + " + " + r(fall));
        if (p.givens.h0 > 0)
            result(3, "Energia: v = √(v0² + 2gh) = √(" + v0 + "² + 2 · " + g() + " · " + h + ")");
        return;
    }
    const bool down = p.from->kind == Kind::DownFromHeight;
    const physics::State start = flight.at(0);
    const double vy0 = std::fabs(start.vy);
    components(start, down);
    if (down) {
        result(0, "h = vy0 · t + g · t²/2: T = (√(vy0² + 2gh) − vy0) / g = (√(" + r(vy0) +
                      "² + 2 · " + g() + " · " + h + ") − " + r(vy0) + ") / " + g());
    } else {
        const double fall = flight.T - flight.apexTime;
        line("Urcarea: tu = vy0 / g = " + r(vy0) + " / " + g() + " = " + r(flight.apexTime) +
             " s;   H = h + vy0² / (2g) = " + r(flight.H) + " m");
        line("Caderea din varf: tc = √(2H / g) = √(2 · " + r(flight.H) + " / " + g() +
             ") = " + r(fall) + " s");
        result(0, "T = tu + tc = " + r(flight.apexTime) + " + " + r(fall));
    }
    result(1, "D = vx · T = " + r(start.vx) + " · " + r(value(0)));
    result(2, "Energia: v = √(v0² + 2gh) = √(" + v0 + "² + 2 · " + g() + " · " + h + ")");
}

void Writer::kindC() {
    const std::string v0 = n(p.givens.v0), a = n(p.givens.angle), a2 = n(2 * p.givens.angle);
    const std::string earth = n(frmLab::gravities[0]);
    switch (p.from->kind) {
    case Kind::OtherBody:
        result(0, "H = (v0 · sin α)² / (2g) = (" + v0 + " · sin " + a + "°)² / (2 · " + g() + ")");
        result(1, "D = v0² · sin 2α / g = " + v0 + "² · sin " + a2 + "° / " + g());
        result(2, "Dp = v0² · sin 2α / gp = " + v0 + "² · sin " + a2 + "° / " + earth);
        result(3, "D / Dp = gp / g = " + earth + " / " + g());
        break;
    case Kind::SpeedNeeded:
        if (p.from->down) {
            result(0, "t = √(2h / g) = √(2 · " + n(p.givens.h0) + " / " + g() + ")");
            result(1, "v0 = d / t = " + n(p.givens.distance) + " / " + r(value(0)));
        } else {
            result(0, "v0 = √(g · d / sin 2α) = √(" + g() + " · " + n(p.givens.distance) +
                          " / sin " + a2 + "°)");
            result(1, "T = 2 · v0 · sin α / g = 2 · " + r(value(0)) + " · sin " + a + "° / " + g());
        }
        break;
    case Kind::BestAngle: {
        const double u = physics::solve(p.launch)->V;
        line("Viteza la sol: u = √(v0² + 2gh) = √(" + v0 + "² + 2 · " + g() + " · " +
             n(p.givens.h0) + ") = " + r(u) + " m/s");
        result(0, "tg α = v0 / u = " + v0 + " / " + r(u) + ", α");
        result(1, "Dmax = v0 · u / g = " + v0 + " · " + r(u) + " / " + g());
        break;
    }
    default:
        result(0, "In vid: Dvid = v0² · sin 2α / g = " + v0 + "² · sin " + a2 + "° / " + g());
        result(1, std::string("In aer, masurat in Laborator (Aer patratic, ") +
                      frmLab::bodies[static_cast<std::size_t>(p.from->body)].name + "): Daer");
        result(2, "p = (Dvid − Daer) / Dvid · 100 = (" + r(value(0)) + " − " + r(value(1)) +
                      ") / " + r(value(0)) + " · 100");
    }
}

void Writer::write() {
    givens();
    switch (p.from->kind) {
    case Kind::Horizontal:
    case Kind::FromGround:
    case Kind::LargestRange:
        kindA();
        break;
    case Kind::UpFromHeight:
    case Kind::DownFromHeight:
    case Kind::Vertical:
        kindB();
        break;
    default:
        kindC();
    }
}

} // namespace

std::string withUnit(const std::string& number, const char* unit) {
    if (*unit == '\0' || unit == std::string("°"))
        return number + unit;
    return number + " " + unit;
}

std::vector<std::string> solutionLines(const Problem& problem,
                                       const std::vector<std::string>& pupil,
                                       const tk::Locale& locale) {
    Writer w{problem, pupil, locale, {}};
    w.write();
    return w.lines;
}

} // namespace lopena
