#include "simulation/Flight.h"

#include "mainwindow/MainLayout.h"
#include "simulation/FinalResults.h"
#include "simulation/FlightRecorder.h"
#include "toolkit/NumberParsing.h"
#include "toolkit/NumberText.h"
#include "toolkit/Platform.h"
#include "toolkit/Precision.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace lopena {

namespace {

constexpr double pi = 3.14159265358979;
constexpr int distancePrefixLength = 20; // "Distanta parcursa : "

// The ranges within which every speed computes with every gravity, at every angle: the time of
// flight 2 v sin(a) / g stays below 2E+38 s, inside single precision, and v^2 / g below 1E+58,
// far inside double precision (the distance and height). Only the time of flight ties the two
// boxes; the square of the speed fails on its own beyond 1E+154, twice the gravity beyond half
// the largest double, whatever the other box holds.
constexpr double speedCeiling = 1e20;  // m/s
constexpr double gravityFloor = 1e-18; // m/s^2
constexpr double unbounded = std::numeric_limits<double>::infinity();

// Orders of magnitude by which a value lies outside its range: 0 inside it, unbounded when it
// fails with every value of the other box.
double speedExcess(double v) {
    return std::isfinite(v * v) ? std::max(0.0, std::log10(v / speedCeiling)) : unbounded;
}
double gravityExcess(double g) {
    return g > 0 && std::isfinite(2 * g) ? std::max(0.0, std::log10(gravityFloor / g)) : unbounded;
}

} // namespace

const char* const Flight::gravityRefusal =
    "Acceleratia gravitationala trebuie sa fie un numar pozitiv, nu prea mic si nu prea mare.";
const char* const Flight::speedRefusal = "Viteza este prea mare pentru a calcula aruncarea.";

Flight::Flight(MainLayout& window, tk::Platform& platform) : w_(window), platform_(platform) {}

namespace {

// What a launch computes before it changes anything.
struct Plan {
    tk::Single angle;
    double vx, vy;
    FinalResults results;
    tk::Single flightTime;
};

// The launch at speed v0, or nothing when any of its steps cannot be computed.
std::optional<Plan> planLaunch(double v0, double angleText, double g) {
    const auto angle = tk::ToSingle(90 - angleText);
    if (!angle || !std::isfinite(v0))
        return std::nullopt;
    const double vx = std::sin(*angle * pi / 180) * v0;
    const double vy = std::cos(*angle * pi / 180) * v0;
    const auto results = computeFinalResults(vx, vy, g);
    const auto flightTime = results ? tk::ToSingle(results->flightTime) : std::nullopt;
    if (!flightTime)
        return std::nullopt;
    return Plan{*angle, vx, vy, *results, *flightTime};
}

} // namespace

void Flight::cmdFire_Click() {
    // Everything that can fail is computed before the first change, so a refused launch
    // leaves the window and a flight under way exactly as they were.
    const double v0 = tk::Val(w_.txtViteza.Text());
    const double angleValue = tk::Val(w_.txtUnghi.Text());
    const double g = tk::Val(w_.txtgrav.Text());
    // A gravity of 0 or below has no landing: the ball would rise for ever.
    const auto plan = g > 0 ? planLaunch(v0, angleValue, g) : std::nullopt;
    if (!plan) {
        // The box outside its range is to blame; of two, the one farther outside.
        if (speedExcess(v0) > gravityExcess(g))
            platform_.refuseInput(w_.txtViteza, speedRefusal);
        else
            platform_.refuseInput(w_.txtgrav, gravityRefusal);
        return;
    }
    launchedTexts =
        LaunchTexts{w_.txtViteza.Text(), w_.txtUnghi.Text(), w_.txtRaza.Text(), w_.txtgrav.Text()};

    w_.shpBall.Move(8, 336);
    w_.shpBall.setVisible(true);
    w_.Command1.setCaption("Stop");
    w_.Label11.setCaption("0");
    dblVelocity[0] = v0;
    sngAngle = plan->angle;
    dblVelocity[1] = plan->vx;
    dblVelocity[2] = plan->vy;
    sngTime = 0;
    w_.Timer1.setEnabled(true);
    w_.Timer2.setEnabled(true);
    w_.Timer3.setEnabled(true);

    const tk::Single r1 = random_.next();
    const tk::Single r2 = random_.next();
    const tk::Single r3 = random_.next();
    auto channel = [](tk::Single r) { return tk::ToInteger(r * 255.0).value_or(0); };
    w_.shpTrail(0).setFillColor(tk::rgb(channel(r1), channel(r2), channel(r3)));
    w_.shpBall.setFillColor(w_.shpTrail(0).FillColor());
    w_.shpBall.setFillStyle(0);
    w_.Command1.setEnabled(true);

    const tk::Locale& locale = platform_.locale();
    w_.Label7.setCaption(tk::GeneralNumber(dblVelocity[1], locale));
    w_.Label8.setCaption(tk::GeneralNumber(dblVelocity[2], locale));
    FinalCalc();
    sngFlightTime = plan->flightTime;
    dblTimeLeft = sngFlightTime;
    if (recorder_)
        recorder_->launched(launchFacts(v0, angleValue, g, plan->results));
}

LaunchFacts Flight::launchFacts(double v0, double angle, double g, const FinalResults& r) const {
    const tk::Locale& locale = platform_.locale();
    LaunchFacts facts;
    // The inputs are written like the results, in the locale's notation, whatever was typed.
    facts.speed = tk::GeneralNumber(v0, locale);
    facts.angle = tk::GeneralNumber(angle, locale);
    facts.gravity = tk::GeneralNumber(g, locale);
    facts.totalTime = tk::GeneralNumber(r.totalTime, locale);
    facts.distance = tk::GeneralNumber(r.distance, locale);
    facts.maxHeight = tk::GeneralNumber(r.maxHeight, locale);
    facts.impactSpeed = tk::GeneralNumber(r.impactSpeed, locale);
    facts.v0 = v0;
    facts.angleDegrees = angle;
    facts.g = g;
    facts.vx = dblVelocity[1];
    facts.vy = dblVelocity[2];
    facts.T = r.totalTime;
    facts.D = r.distance;
    facts.H = r.maxHeight;
    facts.V = r.impactSpeed;
    facts.colour = w_.shpTrail(0).FillColor();
    return facts;
}

void Flight::FinalCalc() {
    const auto r = computeFinalResults(dblVelocity[1], dblVelocity[2], tk::Val(w_.txtgrav.Text()));
    if (!r)
        return; // the launch has checked these numbers; nothing undefined is ever shown
    const tk::Locale& locale = platform_.locale();
    w_.Label5.setCaption("Timp total: " + tk::GeneralNumber(r->totalTime, locale) + " s");
    w_.Label3.setCaption("Distanta parcursa : " + tk::GeneralNumber(r->distance, locale) + " m");
    w_.Label4.setCaption("Inaltime maxima: " + tk::GeneralNumber(r->maxHeight, locale) + " m");
    w_.Label6.setCaption("Viteza la impact " + tk::GeneralNumber(r->impactSpeed, locale));
}

void Flight::Timer1_Timer() {
    const double g = tk::Val(w_.txtgrav.Text());
    const double t = sngTime;
    const auto y = tk::ToSingle((-g / 2) * t * t + t * dblVelocity[2]);
    const auto x = tk::ToSingle(t * dblVelocity[1]);
    const auto left = x ? tk::ToSingle(double(w_.shpBorder.Left()) + *x) : std::nullopt;
    const auto top = y ? tk::ToSingle(double(w_.shpBorder.Height()) + w_.shpBorder.Top() - *y -
                                      w_.shpBall.Height())
                       : std::nullopt;
    const auto nextTime = tk::ToSingle(double(sngTime) + 0.25);
    if (!left || !top || !nextTime) {
        abortFlight();
        return;
    }
    sngPosition[2] = *y;
    sngPosition[1] = *x;
    w_.shpBall.setLeft(*left);
    w_.shpBall.setTop(*top);
    sngTime = *nextTime;
    if (recorder_)
        recorder_->stepComputed(t, *x, *y, g);

    // A full trail leaves no more dots; the ball shows itself instead until the trail is cleared.
    if (w_.chkTrail.Value() == 1 && w_.shpTrail.Count() < w_.shpTrail.MaxCount) {
        tk::Shape& dot = w_.shpTrail.Load(w_.shpTrail.Count());
        dot.Move(w_.shpBall.Left(), w_.shpBall.Top());
        dot.setShape(w_.shpBall.ShapeCode());
        dot.setVisible(true);
        dot.setFillStyle(0);
        dot.setFillColor(w_.shpTrail(0).FillColor());
        w_.shpBall.setVisible(false);
        if (recorder_)
            recorder_->dotAdded(dot.index());
    } else {
        w_.shpBall.setVisible(true);
    }

    // The landing check compares the bottom of the ball with the ground, as the controls hold them.
    const auto ground = tk::ToSingle(double(w_.shpBorder.Top()) + w_.shpBorder.Height());
    const auto bottom = tk::ToSingle(double(w_.shpBall.Top()) + w_.shpBall.Height());
    if (!ground || !bottom) {
        abortFlight();
        return;
    }
    if (*ground < *bottom) {
        w_.Timer1.setEnabled(false);
        w_.Timer2.setEnabled(false);
        w_.shpBall.setVisible(false);
        const std::string& distance = w_.Label3.Caption();
        w_.Label8.setCaption("Coordonata Y : 0,00");
        w_.Label7.setCaption("Coordonata X : " + (distance.size() > distancePrefixLength
                                                      ? distance.substr(distancePrefixLength)
                                                      : std::string()));
        w_.Command1.setEnabled(false);
        // Last: what the recorder does next (a series launches again) follows a finished tick.
        if (recorder_)
            recorder_->landed();
    }
}

void Flight::abortFlight() {
    w_.Timer1.setEnabled(false);
    w_.Timer2.setEnabled(false);
    w_.shpBall.setVisible(false);
    w_.Command1.setEnabled(false);
    // Nothing flies any more: the clock stops as at a landing.
    w_.Timer3.setEnabled(false);
    dblTimeLeft = 0;
    w_.Label11.setCaption("0.00 sec");
    // Last, as at a landing: a series launches again from here.
    if (recorder_)
        recorder_->interrupted();
}

void Flight::Command1_Click() {
    if (w_.Command1.Caption() == "Stop") {
        w_.Timer1.setEnabled(false);
        w_.Timer3.setEnabled(false); // the countdown waits with the ball
        w_.Command1.setCaption("Reia");
    } else {
        w_.Timer1.setEnabled(true);
        w_.Timer3.setEnabled(dblTimeLeft > 0);
        w_.Command1.setCaption("Stop");
    }
}

void Flight::Timer2_Timer() {
    const tk::Locale& locale = platform_.locale();
    const auto x = tk::ToSingle(double(w_.shpBall.Left()) - w_.shpBorder.Left());
    const auto y = tk::ToSingle(double(w_.shpBorder.Top()) + w_.shpBorder.Height() -
                                w_.shpBall.Top() - w_.shpBall.Height());
    if (!x || !y)
        return;
    w_.Label7.setCaption("Coordonata X : " + tk::FormatTwoByTwo(*x, locale));
    w_.Label8.setCaption("Coordonata Y : " + tk::FormatTwoByTwo(*y, locale));
}

void Flight::Timer3_Timer() {
    dblTimeLeft = dblTimeLeft - 1.0 / 2;
    if (!(dblTimeLeft > 0)) {
        w_.Label11.setCaption("0.00 sec");
        dblTimeLeft = 0;
        w_.Timer3.setEnabled(false);
        return;
    }
    w_.Label11.setCaption(tk::GeneralNumber(dblTimeLeft, platform_.locale()) + " sec");
}

} // namespace lopena
