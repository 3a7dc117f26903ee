#include "problems/Problem.h"

#include "laboratory/frmLab.h"
#include "problems/ProblemAnswers.h"
#include "toolkit/NumberParsing.h"
#include "toolkit/NumberText.h"

#include <cmath>

namespace lopena {

namespace {

bool used(const Range& r) {
    return r.hi > 0;
}

// Each given in the statement is written with its unit, in the locale's notation.
std::string fill(const char* text, const Givens& g, const tk::Locale& locale) {
    auto num = [&](double v) { return tk::GeneralNumber(v, locale); };
    std::string out;
    for (const char* c = text; *c; ++c) {
        if (c[0] != '{' || !c[1] || c[2] != '}') {
            out += *c;
            continue;
        }
        switch (c[1]) {
        case 'v':
            out += num(g.v0) + " m/s";
            break;
        case 'a':
            out += num(g.angle) + "°";
            break;
        case 'h':
            out += num(g.h0) + " m";
            break;
        case 'd':
            out += num(g.distance) + " m";
            break;
        case 'g':
            out += num(g.g) + " m/s²";
            break;
        default:
            out += std::string(c, 3);
        }
        c += 2;
    }
    return out;
}

std::string closing(const Problem& p, const tk::Locale& locale) {
    const std::string earth = tk::GeneralNumber(frmLab::gravities[0], locale) + " m/s²";
    if (p.from->kind == Kind::OtherBody)
        return " Pe Pamant g = " + earth + ".";
    std::string text = " Se ia g = " + earth + ".";
    if (p.from->kind == Kind::InAir) {
        const frmLab::Body& ball = frmLab::bodies[static_cast<std::size_t>(p.from->body)];
        text += " Mingea are masa de " + tk::GeneralNumber(ball.mass, locale) +
                " kg si diametrul de " + tk::GeneralNumber(ball.diameter, locale) +
                " m. Bataia in aer se masoara in Laborator, cu mediul Aer (patratic).";
    }
    return text;
}

} // namespace

int pupilNumber(const std::string& text) {
    if (!tk::IsNumeric(text) || tk::IsTooLarge(text))
        return 0;
    const double n = tk::Val(text);
    return n >= 1 && n <= 40 && n == std::floor(n) ? static_cast<int>(n) : 0;
}

Problem makeProblem(const ProblemTemplate& from, Draws& draws, const tk::Locale& locale) {
    Problem p;
    p.from = &from;
    // Drawn in the order v, a, h, d, each only where the exercise has it.
    const Range* ranges[] = {&from.v, &from.a, &from.h, &from.d};
    double* givens[] = {&p.givens.v0, &p.givens.angle, &p.givens.h0, &p.givens.distance};
    for (int i = 0; i < 4; ++i)
        if (used(*ranges[i]))
            *givens[i] = draws.pick(*ranges[i]);
    if (from.kind == Kind::OtherBody)
        p.givens.g = frmLab::gravities[static_cast<std::size_t>(from.body)];
    answerProblem(p);
    p.statement = fill(from.text, p.givens, locale) + closing(p, locale);
    return p;
}

} // namespace lopena
