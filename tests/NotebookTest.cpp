#include "mainwindow/AngleSeries.h"
#include "notebook/Notebook.h"
#include "notebook/GraphAxes.h"
#include "notebook/HistoryTable.h"
#include "notebook/StepTable.h"
#include "notebook/WorkedSolution.h"
#include "physics/Trajectory.h"

#include <gtest/gtest.h>

#include <cmath>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <tuple>

namespace lopena::testing {
namespace {

const tk::Locale c = tk::Locale::c(), ro = tk::Locale::romanian();

std::string num(double value) { // as the labels write it: 15 significant digits
    char text[32];
    std::snprintf(text, sizeof text, "%.15g", value);
    return text;
}

// A launch as the window accepts it: the angle turned from the vertical in single precision.
LaunchFacts launch(double v0, double angle, double g) {
    auto round = [](double value, double scale) { return std::round(value * scale) / scale; };
    const double a = static_cast<float>(90 - angle) * 3.14159265358979 / 180;
    const double vx = std::sin(a) * v0, vy = std::cos(a) * v0, t = 2 * vy / g;
    const double T = round(t, 100), D = round(t * vx, 1e3), H = round(vy * vy / 2 / g, 1e3);
    const double V = std::hypot(vx, vy - g * t);
    // The trail colour #123456.
    return {num(v0), num(angle), num(g), num(T), num(D), num(H), num(V), v0,      angle,
            g,       vx,         vy,     T,      D,      H,      V,      0x563412};
}

// A throw launched as the window accepts it, nothing flown yet.
Throw flight(double v0, double angle, double g) {
    Throw f;
    static_cast<LaunchFacts&>(f) = launch(v0, angle, g);
    return f;
}

// CSV read back (no field needs quotes): rows of fields; the CRLF of the last line leaves an
// empty row.
std::vector<std::vector<std::string>> parse(const std::string& csv, char separator) {
    std::vector<std::vector<std::string>> rows{{""}};
    for (std::size_t i = 0; i < csv.size(); ++i)
        if (csv[i] == separator)
            rows.back().emplace_back();
        else if (csv.compare(i, 2, "\r\n") == 0)
            rows.push_back({""}), ++i;
        else
            rows.back().back() += csv[i];
    return rows;
}

struct Events : NotebookListener {
    std::string log;
    void throwStarted(const Throw& t) override { log += "start " + t.angle + "|"; }
    void stepAdded(const Throw&, std::size_t) override {}
    void throwLanded(const Throw& t) override { log += "landed " + t.angle + "|"; }
    void seriesChanged(bool on) override { log += on ? "series on|" : "series off|"; }
};

class NotebookTest : public ::testing::Test {
protected:
    NotebookTest() {
        notebook.addListener(&events);
        notebook.setRequests({[this](const Throw& t) { relaunch(t.speed, t.angle, t.gravity); },
                              [this] { series.toggle(); }});
    }
    void relaunch(const std::string& v, const std::string& a, const std::string& g) {
        if (!refused) // the boxes take them
            notebook.launched(launch(std::stod(v), std::stod(a), std::stod(g)));
    }
    int fly() { // the animation tick: +0.25 s in single precision until the ball is below ground
        const Throw& f = *notebook.current();
        for (float t = 0;; t += 0.25F) {
            const float y = static_cast<float>(-f.g / 2 * t * t + t * f.vy);
            notebook.stepComputed(t, static_cast<float>(t * f.vx), y, f.g);
            notebook.dotAdded(static_cast<tk::Integer>(++dots));
            if (345.0F < static_cast<float>(static_cast<float>(336.0 - y) + 9.0)) {
                notebook.landed();
                series.flightEnded();
                return static_cast<int>(t / 0.25F) + 1;
            }
        }
    }
    Notebook notebook{c};
    AngleSeries series{notebook, [this](auto& v, auto& a, auto& g) { relaunch(v, a, g); },
                       [] { return std::pair{std::string("50"), std::string("9.806")}; }};
    Events events;
    bool refused = false;
    int dots = 0;
};

TEST_F(NotebookTest, DefaultFlightHasThirtyStepsThenTheExactLandingRow) {
    notebook.stepComputed(0, 0, 0, 9.806); // before any launch: nothing to record
    notebook.launched(launch(50, 45, 9.806));
    notebook.dotAdded(static_cast<tk::Integer>(++dots)); // before any step: a dot of nothing
    ASSERT_EQ(fly(), 30);
    const Throw& f = *notebook.current();
    EXPECT_EQ(StepTable::text(f, {0, 14, 29, 30, 31}, '\t', "\n", ro),
              "n\tt (s)\tx (m)\ty (m)\tvx (m/s)\tvy (m/s)\tv (m/s)\n"
              "0\t0,00\t0,000\t0,000\t35,355\t35,355\t50,000\n"
              "14\t3,50\t123,744\t63,682\t35,355\t1,034\t35,370\n"
              "29\t7,25\t256,326\t-1,388\t35,355\t-35,738\t50,271\n"
              "aterizare (calculat)\t7,21\t254,946\t0,000\t35,355\t-35,355\t50,000\n");
    std::string marks;
    for (std::size_t row : {13, 14, 29, 30})
        marks += StepTable::mark(f, row) + "|";
    EXPECT_EQ(marks, "|Punctul cel mai inalt|Pasul aterizarii|Aterizarea calculata din formule|");
    // Each dot leads to its step, even after a later flight, until the trail is cleared.
    notebook.launched(launch(12.5, 30, 3.71));
    fly();
    auto where = [this](int dot) {
        const auto link = notebook.stepOfDot(static_cast<tk::Integer>(dot));
        return link ? std::to_string(link->owner->number) + ":" + std::to_string(link->step) : "-";
    };
    EXPECT_EQ(where(0) + " " + where(1) + " " + where(16) + " " + where(32) + " " + where(dots + 1),
              "- - 1:14 2:0 -");
    notebook.trailCleared();
    EXPECT_EQ(where(16), "-");
}

TEST(NotebookLog, BoundariesOfTheLog) {
    Throw f;
    for (double y : {1.0, 3.0, 3.0})
        f.log.append(0, -0.0004, y, 3, 4);
    EXPECT_EQ(f.log.highestStep(), 1); // the first of two equal heights
    f.log.append(0, 0, 4, 3, 4);
    f.log.land({0, 0, 0, 0, 0});
    EXPECT_EQ(StepTable::mark(f, 3), "Punctul cel mai inalt; Pasul aterizarii");
    EXPECT_EQ(StepTable::cell(f, 0, 2, ro), "0,000"); // never "-0,000"
}

// A flight longer than the log: the steps left out have no landing mark and no dot links to one.
TEST_F(NotebookTest, FullLogMarksNoLandingAndLinksNoDotToAStepLeftOut) {
    notebook.launched(launch(60000, 45, 9.806));
    for (int step = 0; step <= 32766; ++step) // the trail is off: no dots
        notebook.stepComputed(step / 4.0, step, 0, 9.806);
    EXPECT_EQ(notebook.current()->log.size(), 32766U);
    notebook.dotAdded(1); // the trail was cleared and switched on again
    EXPECT_FALSE(notebook.stepOfDot(1));
    notebook.landed();
    EXPECT_EQ(notebook.current()->log.landingStep(), -1);
    EXPECT_EQ(StepTable::mark(*notebook.current(), 32765), "");
}

TEST_F(NotebookTest, SeriesLaunchesFiveAnglesAndAnyOtherLaunchOrARefusalEndsIt) {
    notebook.toggleSeries();
    while (notebook.seriesActive())
        fly();
    EXPECT_EQ(events.log, "series on|start 15|landed 15|start 30|landed 30|start 45|landed 45|"
                          "start 60|landed 60|start 75|landed 75|series off|");
    events.log.clear();
    notebook.toggleSeries();
    notebook.repeat(0);
    refused = true; // the boxes are refused
    notebook.toggleSeries();
    EXPECT_EQ(events.log, "series on|start 15|series off|start 15|series on|series off|");
}

// The components are written with the angle they were computed with, and each equation holds:
// "=" where the digits shown are those of v0 · sin α, "≈" where the arithmetic left them apart.
TEST(NotebookSolution, ComponentsStateTheAngleTheyWereComputedWith) {
    std::string html;
    for (double angle : {1.1, 45.0})
        html += solutionHtml(flight(50, angle, 9.806), ro);
    for (const char* shown :
         {"&alpha; = 1,1&deg;", "precizia sa: &alpha; = 1,09999847412109&deg;",
          "sin 1,09999847412109&deg; &asymp; 0,959870788649419",
          "cos 45&deg; &asymp; 35,3553390593273", "sin 45&deg; = 35,3553390593274"})
        EXPECT_NE(html.find(shown), html.npos) << shown;
    EXPECT_EQ(html.find("precizia sa", html.find("&alpha; = 45")), html.npos);
}

// The C library's locale (Qt sets it from LANG) must not change a digit or a sign of the solution.
TEST(NotebookSolution, TheSameInAnyLocaleOfTheCLibrary) {
    const std::string folder = ::testing::TempDir() + "lopena-locale";
    if (std::system(("mkdir -p " + folder + " && localedef -i ro_RO -f UTF-8 " + folder + "/ro_RO.UTF-8 2>/dev/null").c_str()))
        GTEST_SKIP() << "no localedef or no ro_RO sources: the locale cannot be made";
    setenv("LOCPATH", folder.c_str(), 1);
    const Throw flights[] = {flight(12.5, 30, 9.806), flight(50, 1.1, 9.806)};
    std::vector<std::string> solutions;
    for (const char* name : {"C.UTF-8", "ro_RO.UTF-8"}) {
        ASSERT_TRUE(std::setlocale(LC_ALL, name)) << name;
        solutions.push_back(solutionHtml(flights[0], ro) + solutionHtml(flights[1], ro));
    }
    std::setlocale(LC_ALL, "C");
    unsetenv("LOCPATH");
    EXPECT_EQ(solutions[0], solutions[1]);
    EXPECT_NE(solutions[1].find("cos 30&deg; = 10,8253175473055"), std::string::npos);
}

// One format per column whoever threw: 3 decimals for m, s, m/s and m/s2, 2 for degrees, 1 for
// per cent; the main window's T from its unrounded 2 vy / g (7,2110 s), which it shows as 7,21.
TEST(NotebookHistory, EveryColumnHasOneFormatForAllThrowsAndTheCsvReadsBack) {
    Notebook notebook{ro};
    notebook.launched(launch(50, 45, 9.806));
    physics::Launch cliff; // T = 1 + sqrt(10) s, D = 10 sqrt(3) T m, H = 45 + 5 m, V = sqrt(1300)
    cliff.angle = 30;
    cliff.h0 = 45;
    cliff.g = 10;
    notebook.labLaunched({*physics::solve(cliff), {}, {72.0, std::nullopt, 4.0}, 0, ""});
    physics::Launch air;
    air.medium = physics::Medium::QuadraticDrag;
    notebook.labLaunched({*physics::solve(air), {}, {40.0, 10.0, 3.0}, 0, ""});
    EXPECT_EQ(HistoryTable::sortKey(notebook.history()[1], 0), 2); // the colour sorts by launch
    const auto csv = parse(HistoryTable::csv(notebook.history(), ro), ';');
    ASSERT_EQ(csv.size(), 5U); // the header, three throws
    EXPECT_EQ(csv[1], (std::vector<std::string>{"#123456", "50,000", "45,00", "9,806", "7,211",
                                                "254,946", "63,736", "50,000", "", "", "", "", ""}));
    EXPECT_EQ(csv[2], (std::vector<std::string>{"#000000", "20,000", "30,00", "10,000", "4,162",
                                                "72,093", "50,000", "36,056", "45,000", "Vid",
                                                "-0,1", "", "-3,9"}));
    for (std::size_t column = 1; column < csv[0].size(); ++column)
        for (std::size_t row = 2; row < 4; ++row) {
            const std::string &above = csv[row - 1][column], &cell = csv[row][column];
            if (column != 9 && !above.empty()) { // the medium is a word
                EXPECT_EQ(cell.size() - cell.find(','), above.size() - above.find(','))
                    << csv[0][column] << ": " << above << " above " << cell;
            }
        }
    EXPECT_EQ(StepTable::joinFields({"5;\"0", "a"}, ';', "\r\n"), "\"5;\"\"0\";a\r\n");
}

// The axes hold the whole flight computed at launch (to the first step below the ground) on
// round ticks, and move only for a point outside them.
TEST(NotebookGraph, AxesFitTheComputedFlightAndMoveOnlyForAPointOutside) {
    using Fit = std::tuple<double, double, double, double, double, int>; // in, fitted, step, ticks
    for (auto [low, high, fitLow, fitHigh, step, ticks] :
         {Fit{0, 0, 0, 1, 0.2, 6}, Fit{5, 5, 5, 6, 0.2, 6}, Fit{0, 6, 0, 6, 1, 7},
          Fit{0, 263.75, 0, 300, 50, 7}, Fit{-9.11, 63.74, -20, 80, 20, 6}}) {
        const AxisRange range = AxisRange::fitted(low, high);
        EXPECT_EQ(std::tuple(range.low, range.high, range.step, range.ticks()),
                  std::tuple(fitLow, fitHigh, step, ticks))
            << low << " " << high;
    }
    const Throw thrown = flight(50, 45, 9.806);
    std::string fitted;
    for (const Graph& graph : graphs) {
        GraphAxes axes(graph);
        axes.addFlight(thrown);
        axes.fit();
        fitted += num(axes.x().low) + ".." + num(axes.x().high) + " " + num(axes.y().low) + ".." +
                  num(axes.y().high) + "|";
    }
    EXPECT_EQ(fitted, "0..300 -20..80|0..8 0..300|0..8 -20..80|0..8 -40..40|");
    GraphAxes axes(graphs[0]);
    axes.addFlight(thrown);
    axes.fit();
    EXPECT_FALSE(axes.add({3.5, 123.7, 63.7, 35.4, 1.0, 35.4})); // the apex, inside
    EXPECT_TRUE(axes.add({9, 350, -30, 35.4, -50, 60}));        // a gravity edited mid-flight
    EXPECT_EQ(std::pair(axes.x().high, axes.y().low), std::pair(400.0, -40.0));
}

// A flight shorter than a step (its time shows as 0,00 s) and one cut short after 20 steps (speed
// 1E38): the axes hold the steps each logs, and keep still while they arrive.
TEST(NotebookGraph, AxesFitAFlightShorterThanAStepAndOneCutShort) {
    for (double v0 : {1.0, 1e38}) {
        Throw thrown = flight(v0, 1, 9.806);
        const int logged = v0 > 1 ? 20 : 2;
        for (int i = 0; i < logged; ++i) {
            const double t = 0.25 * i;
            thrown.log.append(t, thrown.vx * t, (thrown.vy - thrown.g * t / 2) * t, thrown.vx,
                              thrown.vy - thrown.g * t);
        }
        if (v0 > 1)
            thrown.log.interrupt();
        GraphAxes axes(graphs[2]); // y(t)
        axes.addFlight(thrown);
        axes.fit();
        for (const FlightStep& step : thrown.log.steps())
            EXPECT_FALSE(axes.add(step)) << v0 << " at " << step.t;
        EXPECT_DOUBLE_EQ(axes.x().high, v0 > 1 ? 5.0 : 0.3) << v0;
    }
}

} // namespace
} // namespace lopena::testing
