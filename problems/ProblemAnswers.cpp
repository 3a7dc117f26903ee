#include "problems/ProblemAnswers.h"
#include "toolkit/NumberConversion.h"
#include "laboratory/frmLab.h"
#include "problems/Bisection.h"

namespace lopena {

namespace {

physics::Launch launchOf(const Givens& g, double angle) {
    physics::Launch l;
    l.v0 = g.v0;
    l.angle = angle;
    l.h0 = g.h0;
    l.g = g.g;
    return l;
}

// The model's flight, which every exercise of the bank can fly.
physics::Trajectory flown(const physics::Launch& l) {
    return *physics::solve(l);
}

// The angle between lo and hi degrees at which the range is `distance` m.
double angleForRange(physics::Launch l, double distance, double lo, double hi) {
    return bisect([&](double angle) { return l.angle = angle, flown(l).D - distance; }, lo, hi);
}

// The launch speed, m/s, at which the range is `distance` m.
double speedForRange(physics::Launch l, double distance) {
    return bisect([&](double v) { return l.v0 = v, flown(l).D - distance; }, 1e-3, 1e5);
}

void horizontal(Problem& p) {
    p.launch = launchOf(p.givens, 0);
    const auto r = flown(p.launch);
    p.answers = {
        {"t", "Timpul de cadere", "s", "Pe verticala este o cadere libera din repaus: h = g·t²/2.",
         r.T},
        {"d", "Distanta pe orizontala", "m", "Pe orizontala miscarea este uniforma: d = v0·t.",
         r.D},
        {"v", "Viteza la sol", "m/s",
         "Compuneti vx = v0 cu vy = g·t: v = √(vx² + vy²); sau "
         "energia: v² = v0² + 2gh.",
         r.V},
        {"β", "Unghiul vitezei cu solul", "°", "La sol, tg β = vy / vx.", r.impactAngle},
    };
}

void fromGround(Problem& p) {
    p.launch = launchOf(p.givens, p.givens.angle);
    const auto r = flown(p.launch);
    const auto top = r.at(r.apexTime);
    p.answers = {
        {"tu", "Timpul de urcare", "s", "In varf viteza verticala se anuleaza: v0·sin α − g·t = 0.",
         r.apexTime},
        {"T", "Timpul de zbor", "s", "Urcarea si coborarea dureaza la fel: T = 2·v0·sin α / g.",
         r.T},
        {"H", "Inaltimea maxima", "m", "Pe verticala: H = (v0·sin α)² / (2g).", r.H},
        {"D", "Bataia", "m", "Pe orizontala, uniform: D = v0·cos α·T = v0²·sin 2α / g.", r.D},
        {"vv", "Viteza in varf", "m/s", "In varf ramane doar viteza orizontala, v0·cos α.",
         std::hypot(top.vx, top.vy)},
    };
}

void largestRange(Problem& p) {
    p.launch = launchOf(p.givens, 45);
    const auto best = *physics::bestAngle(p.launch);
    // The distance is drawn as a share of the largest range, written to two digits ("6,5 m").
    p.givens.distance = tk::ReadDecimal(tk::WriteScientific(p.givens.distance / 100 * best.D, 1));
    p.target = p.givens.distance;
    const double low = angleForRange(p.launch, p.givens.distance, 1e-6, best.angle);
    const double high = angleForRange(p.launch, p.givens.distance, best.angle, 90);
    p.launch.angle = low;
    p.answers = {
        {"Dmax", "Bataia maxima", "m", "D = v0²·sin 2α / g este cea mai mare cand sin 2α = 1.",
         best.D},
        {"α1", "Unghiul mai mic", "°", "Din D = v0²·sin 2α / g aflati sin 2α.", low},
        {"α2", "Unghiul mai mare", "°", "Unghiul complementar celui mic da aceeasi bataie.", high},
    };
}

void fromHeight(Problem& p, bool down) {
    p.launch = launchOf(p.givens, down ? -p.givens.angle : p.givens.angle);
    const auto r = flown(p.launch);
    p.answers = {
        {"T", "Timpul de zbor", "s",
         down ? "Pe verticala, in jos: h = v0·sin α·t + g·t²/2; luati radacina pozitiva."
              : "Pe verticala: 0 = h + v0·sin α·t − g·t²/2; luati radacina pozitiva.",
         r.T},
        {"D", "Distanta pe orizontala", "m", "Pe orizontala, uniform: D = v0·cos α·T.", r.D},
        {"v", "Viteza la sol", "m/s",
         "Conservarea energiei: v² = v0² + 2gh, oricare ar fi unghiul.", r.V},
    };
}

void vertical(Problem& p) {
    const bool down = p.from->down;
    p.launch = launchOf(p.givens, down ? -90 : 90);
    const auto r = flown(p.launch);
    if (down) {
        p.answers = {
            {"t", "Timpul de cadere", "s", "h = v0·t + g·t²/2; luati radacina pozitiva.", r.T},
            {"v", "Viteza la sol", "m/s", "v = v0 + g·t, sau v² = v0² + 2gh.", r.V},
        };
        return;
    }
    p.answers = {
        {"tu", "Timpul de urcare", "s", "Viteza v = v0 − g·t se anuleaza in varf.", r.apexTime},
        {"H", "Inaltimea maxima fata de sol", "m", "Din v² = v0² − 2g·(H − h): H = h + v0² / (2g).",
         r.H},
        {"T", "Timpul pana la sol", "s", "Urcarea, apoi caderea libera din varf: H = g·t²/2.", r.T},
    };
    if (p.givens.h0 > 0)
        p.answers.push_back(
            {"v", "Viteza la sol", "m/s", "Conservarea energiei: v² = v0² + 2gh.", r.V});
}

void otherBody(Problem& p) {
    p.launch = launchOf(p.givens, p.givens.angle);
    physics::Launch earth = p.launch;
    earth.g = frmLab::gravities[0];
    const auto there = flown(p.launch), here = flown(earth);
    p.answers = {
        {"H", "Inaltimea maxima acolo", "m", "H = (v0·sin α)² / (2g), cu g-ul de acolo.", there.H},
        {"D", "Bataia acolo", "m", "D = v0²·sin 2α / g, cu g-ul de acolo.", there.D},
        {"Dp", "Bataia pe Pamant", "m", "Aceeasi formula, cu g-ul Pamantului.", here.D},
        {"n", "De cate ori e mai mare bataia acolo", "",
         "Bataia este invers proportionala cu g: impartiti cele doua g.", there.D / here.D},
    };
}

void speedNeeded(Problem& p) {
    const bool level = p.from->down; // thrown horizontally from a height
    p.launch = launchOf(p.givens, level ? 0 : p.givens.angle);
    p.launch.v0 = speedForRange(p.launch, p.givens.distance);
    p.target = p.givens.distance;
    const auto r = flown(p.launch);
    if (level) {
        p.answers = {
            {"t", "Timpul de cadere", "s", "Caderea nu depinde de viteza orizontala: h = g·t²/2.",
             r.T},
            {"v0", "Viteza orizontala necesara", "m/s", "Pe orizontala, uniform: v0 = d / t.",
             r.launch.v0},
        };
        return;
    }
    p.answers = {
        {"v0", "Viteza de lansare necesara", "m/s", "Din d = v0²·sin 2α / g aflati v0.",
         r.launch.v0},
        {"T", "Timpul de zbor", "s", "T = 2·v0·sin α / g.", r.T},
    };
}

void bestAngle(Problem& p) {
    p.launch = launchOf(p.givens, 45);
    const auto best = *physics::bestAngle(p.launch);
    p.launch.angle = best.angle;
    p.answers = {
        {"α", "Unghiul celei mai mari distante", "°",
         "De la inaltimea h: tg α = v0 / √(v0² + 2gh).", best.angle},
        {"Dmax", "Distanta cea mai mare", "m", "Dmax = v0·√(v0² + 2gh) / g.", best.D},
    };
}

void inAir(Problem& p) {
    p.launch = launchOf(p.givens, p.givens.angle);
    const auto vacuum = flown(p.launch);
    const frmLab::Body& ball = frmLab::bodies[static_cast<std::size_t>(p.from->body)];
    p.launch.medium = physics::Medium::QuadraticDrag;
    p.launch.mass = ball.mass;
    p.launch.diameter = ball.diameter;
    p.launch.cd = ball.cd;
    const auto air = flown(p.launch);
    p.answers = {
        {"Dvid", "Bataia in vid", "m", "In vid: D = v0²·sin 2α / g.", vacuum.D},
        {"Daer", "Bataia in aer, din Laborator", "m",
         "In Laborator: mediul Aer (patratic), mingea din enunt, Start; cititi D.", air.D},
        {"p", "Cu cat la suta e mai scurta in aer", "%", "(Dvid − Daer) / Dvid · 100.",
         (vacuum.D - air.D) / vacuum.D * 100},
    };
}

} // namespace

void answerProblem(Problem& p) {
    switch (p.from->kind) {
    case Kind::Horizontal:
        horizontal(p);
        break;
    case Kind::FromGround:
        fromGround(p);
        break;
    case Kind::LargestRange:
        largestRange(p);
        break;
    case Kind::UpFromHeight:
        fromHeight(p, false);
        break;
    case Kind::DownFromHeight:
        fromHeight(p, true);
        break;
    case Kind::Vertical:
        vertical(p);
        break;
    case Kind::OtherBody:
        otherBody(p);
        break;
    case Kind::SpeedNeeded:
        speedNeeded(p);
        break;
    case Kind::BestAngle:
        bestAngle(p);
        break;
    case Kind::InAir:
        inAir(p);
        break;
    }
}

} // namespace lopena
