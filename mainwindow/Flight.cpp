#include "mainwindow/Flight.h"

#include "mainwindow/MainLayout.h"
#include "simulation/FlightRecorder.h"
#include "simulation/LaunchPlan.h"
#include "toolkit/NumberParsing.h"
#include "toolkit/NumberText.h"
#include "toolkit/Platform.h"
#include "toolkit/Precision.h"

namespace lopena {

const char* const Flight::gravityRefusal =
    "Acceleratia gravitationala trebuie sa fie un numar pozitiv, nu prea mic si nu prea mare.";
const char* const Flight::speedRefusal = "Viteza este prea mare pentru a calcula aruncarea.";

Flight::Flight(MainLayout& window, tk::Platform& platform) : w_(window), platform_(platform) {}

void Flight::cmdFire_Click() {
    // Everything that can fail is computed before the first change, so a refused launch
    // leaves the window and a flight under way exactly as they were.
    const double v0 = tk::Val(w_.txtViteza.Text());
    const double angleValue = tk::Val(w_.txtUnghi.Text());
    const double g = tk::Val(w_.txtgrav.Text());
    const auto plan = planLaunch(v0, angleValue, g);
    if (!plan) {
        if (speedIsToBlame(v0, g))
            platform_.refuseInput(w_.txtViteza, speedRefusal);
        else
            platform_.refuseInput(w_.txtgrav, gravityRefusal);
        return;
    }
    launchedTexts =
        LaunchTexts{w_.txtViteza.Text(), w_.txtUnghi.Text(), w_.txtRaza.Text(), w_.txtgrav.Text()};

    w_.shpBall.Move(8, 336);
    w_.shpBall.setVisible(true);
    phase_ = Phase::Flying;
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
    if (recorder_) {
        const FinalResults& r = plan->results;
        recorder_->launched(LaunchFacts::of({v0, angleValue, g, plan->vx, plan->vy, r.totalTime,
                                             r.distance, r.maxHeight, r.impactSpeed},
                                            w_.shpTrail(0).FillColor(), locale));
    }
}

void Flight::FinalCalc() {
    const auto r = computeFinalResults(dblVelocity[1], dblVelocity[2], tk::Val(w_.txtgrav.Text()));
    if (!r)
        return; // the launch has checked these numbers; nothing undefined is ever shown
    const tk::Locale& locale = platform_.locale();
    landingX_ = r->distance;
    w_.Label5.setCaption("Timp total: " + tk::GeneralNumber(r->totalTime, locale) + " s");
    w_.Label3.setCaption("Distanta parcursa : " + tk::GeneralNumber(r->distance, locale) + " m");
    w_.Label4.setCaption("Inaltime maxima: " + tk::GeneralNumber(r->maxHeight, locale) + " m");
    w_.Label6.setCaption("Viteza la impact " + tk::GeneralNumber(r->impactSpeed, locale));
}

void Flight::Timer1_Timer() {
    const double g = tk::Val(w_.txtgrav.Text());
    const double t = sngTime;
    const auto at = positionAt(t, dblVelocity[1], dblVelocity[2], g);
    const auto left = at ? tk::ToSingle(double(w_.shpBorder.Left()) + at->x) : std::nullopt;
    const auto top = at ? tk::ToSingle(double(w_.shpBorder.Height()) + w_.shpBorder.Top() - at->y -
                                       w_.shpBall.Height())
                        : std::nullopt;
    const auto nextTime = tk::ToSingle(double(sngTime) + 0.25);
    if (!left || !top || !nextTime) {
        abortFlight();
        return;
    }
    sngPosition[2] = at->y;
    sngPosition[1] = at->x;
    w_.shpBall.setLeft(*left);
    w_.shpBall.setTop(*top);
    sngTime = *nextTime;
    if (recorder_)
        recorder_->stepComputed(t, at->x, at->y, g);

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
    if (!ground || !bottom)
        abortFlight();
    else if (*ground < *bottom)
        land();
}

void Flight::land() {
    phase_ = Phase::Down;
    w_.Timer1.setEnabled(false);
    w_.Timer2.setEnabled(false);
    w_.shpBall.setVisible(false);
    const tk::Locale& locale = platform_.locale();
    w_.Label8.setCaption("Coordonata Y : 0,00");
    w_.Label7.setCaption("Coordonata X : " + tk::GeneralNumber(landingX_, locale) + " m");
    w_.Command1.setEnabled(false);
    // Last: what follows (a series launches again) follows a finished tick.
    if (recorder_)
        recorder_->landed();
    flightEnded();
}

void Flight::abortFlight() {
    phase_ = Phase::Down;
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
    flightEnded();
}

void Flight::Command1_Click() {
    if (phase_ != Phase::Paused) {
        phase_ = Phase::Paused;
        w_.Timer1.setEnabled(false);
        w_.Timer3.setEnabled(false); // the countdown waits with the ball
        w_.Command1.setCaption("Reia");
    } else {
        phase_ = Phase::Flying;
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
