#include "notebook/StepTable.h"
#include "notebook/WorkedSolution.h"
#include "support/WindowFixture.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>
#include <tuple>

namespace lopena::testing {
namespace {

// A throw from the inputs to the landing: the four results and the two launch components as the
// locale writes them, then the tick of the landing and where the ball stood, in metres.
struct Scenario : Row {
    const char *speed, *angle, *gravity;
    bool romanian;
    const char *time, *distance, *height, *impact, *vx, *vy;
    int landingTick;
    double landingX;
    const char* csv = nullptr; // the step table's bytes as the program saves them (tests/data)
};

class ScenarioTest : public ::testing::WithParamInterface<Scenario>, public WindowTest {
protected:
    ScenarioTest() : WindowTest(GetParam().romanian ? tk::Locale::romanian() : tk::Locale::c()) {}
};

TEST_P(ScenarioTest, ShowsTheResultsAndLandsOnTheFirstTickBelowTheGround) {
    const Scenario& s = GetParam();
    launch(s.speed, s.angle, s.gravity);
    EXPECT_EQ(w.Label7.Caption(), s.vx);
    EXPECT_EQ(w.Label8.Caption(), s.vy);
    EXPECT_EQ(w.Label11.Caption(), "0");
    EXPECT_TRUE(w.shpBall.Visible());
    EXPECT_EQ(flyUntilLanded(), s.landingTick);
    EXPECT_NEAR(w.sngPosition[1], s.landingX, 0.05);
    EXPECT_EQ(w.shpTrail.Count(), s.landingTick + 1);
    // The results stay after the landing, whose X text is the distance.
    EXPECT_EQ(w.Label5.Caption(), "Timp total: " + std::string(s.time) + " s");
    EXPECT_EQ(w.Label3.Caption(), "Distanta parcursa : " + std::string(s.distance) + " m");
    EXPECT_EQ(w.Label4.Caption(), "Inaltime maxima: " + std::string(s.height) + " m");
    EXPECT_EQ(w.Label6.Caption(), "Viteza la impact " + std::string(s.impact));
    // The notebook writes the inputs as numbers in the locale's notation, like the results.
    std::string typed = std::string(s.speed) + ' ' + s.angle + ' ' + s.gravity;
    std::replace(typed.begin(), typed.end(), s.romanian ? '.' : ',', s.romanian ? ',' : '.');
    const Throw& row = *w.notebook.current();
    EXPECT_EQ(row.speed + ' ' + row.angle + ' ' + row.gravity, typed);
    const WorkedSolution solved = solve(row, platform.locale());
    EXPECT_EQ(solved.T + ' ' + solved.D + ' ' + solved.H + ' ' + solved.V,
              std::string(s.time) + ' ' + s.distance + ' ' + s.height + ' ' + s.impact);
    EXPECT_EQ(w.Label7.Caption(), "Coordonata X : " + std::string(s.distance) + " m");
    EXPECT_EQ(w.Label8.Caption(), "Coordonata Y : 0,00");
    EXPECT_FALSE(w.Timer2.Enabled() || w.Command1.Enabled() || w.shpBall.Visible());
    EXPECT_TRUE(w.cmdFire.Enabled());
    if (s.csv) { // the browser edition's tests compare its download with the same files
        std::ifstream in(std::string(LOPENA_TEST_DATA) + "/" + s.csv, std::ios::binary);
        EXPECT_EQ(StepTable::csv(row, platform.locale()),
                  std::string(std::istreambuf_iterator<char>(in), {}));
    }
}

// In double precision the components at 45 degrees are 35.35533905932734199... (sine) and
// 35.35533905932740594... (cosine): 15 digits apart in the last place.
INSTANTIATE_TEST_SUITE_P(
    Launch, ScenarioTest,
    ::testing::Values(
        Scenario{"default", "50", "45", "9.806", false, "7.21", "254.946", "63.736", "50",
                 "35.3553390593273", "35.3553390593274", 30, 256.326, "zbor-implicit.csv"},
        Scenario{"romanian", "50", "45", "9.806", true, "7,21", "254,946", "63,736", "50",
                 "35,3553390593273", "35,3553390593274", 30, 256.326, "zbor-implicit-ro.csv"},
        Scenario{"angle_30", "50", "30", "9.806", false, "5.1", "220.79", "31.868", "50",
                 "43.3012701892219", "25", 22, 227.33},
        Scenario{"straight_up", "50", "90", "9.806", false, "10.2", "0", "127.473", "50", "0", "50",
                 42, 0},
        Scenario{"gravity_with_a_comma", "50", "45", "9,81", false, "7.21", "254.842", "63.71",
                 "50", "35.3553390593273", "35.3553390593274", 30, 256.326},
        Scenario{"romanian_gravity_with_a_comma", "50", "45", "9,81", true, "7,21", "254,842",
                 "63,71", "50", "35,3553390593273", "35,3553390593274", 30, 256.326},
        Scenario{"romanian_decimals", "12,5", "30", "3,71", true, "3,37", "36,473", "5,264", "12,5",
                 "10,8253175473055", "6,25000000000001", 15, 37.889},
        Scenario{"moon", "37", "62", "1.62", false, "40.33", "700.588", "329.404", "37",
                 "17.3704478230779", "32.6690609357803", 163, 703.503},
        Scenario{"gravity_10", "20", "90", "10", false, "4", "0", "20", "20", "0", "20", 18, 0},
        Scenario{"slowest", "1", "1", "9.806", false, "0", "0.004", "0", "1", "0.999847695156391",
                 "0.0174524064372852", 2, 0.25},
        Scenario{"beyond_the_frame", "100", "45", "9.806", false, "14.42", "1019.784", "254.946",
                 "100", "70.7106781186547", "70.7106781186548", 59, 1025.3}),
    rowName);

struct Refused : Row {
    const char *speed, *gravity;
    bool onSpeedBox;
};

class RefusedLaunchTest : public WindowTest, public ::testing::WithParamInterface<Refused> {};

TEST_P(RefusedLaunchTest, ChangesNothingAndTellsThePupil) {
    w.txtViteza.setText(GetParam().speed);
    w.txtgrav.setText(GetParam().gravity);
    const auto before = texts();
    w.cmdFire.click();
    EXPECT_EQ(texts(), before);
    EXPECT_FALSE(w.Timer1.Enabled() || w.Timer2.Enabled() || w.shpBall.Visible() ||
                 w.Command1.Enabled());
    EXPECT_EQ(w.shpBall.Left(), 8.0F);
    ASSERT_EQ(platform.refusals.size(), 1U);
    EXPECT_EQ(platform.refusals[0].box, GetParam().onSpeedBox ? &w.txtViteza : &w.txtgrav);
    EXPECT_FALSE(platform.refusals[0].explanation.empty());
}

INSTANTIATE_TEST_SUITE_P(Launch, RefusedLaunchTest,
                         ::testing::Values(Refused{"gravity_zero", "50", "0", false},
                                           Refused{"gravity_empty", "50", "", false},
                                           Refused{"gravity_text", "50", "abc", false},
                                           Refused{"gravity_beyond_double", "50", "1e400", false},
                                           Refused{"gravity_tiny", "50", "1e-320", false},
                                           Refused{"gravity_negative", "50", "-9.806", false},
                                           Refused{"time_beyond_single", "1e30", "1e-10", true},
                                           Refused{"gravity_far_below", "50", "1E-37", false},
                                           Refused{"both_gravity_farther", "1e25", "1e-25", false},
                                           Refused{"both_speed_farther", "1e30", "1e-20", true},
                                           Refused{"twice_g_fails", "1e21", "9E307", false},
                                           Refused{"speed_alone_to_blame", "1E40", "9.806", true},
                                           Refused{"twice_gravity_overflows", "50", "9E307", false},
                                           Refused{"speed_overflows", "1e300", "9.806", true}),
                         rowName);

class FlightTest : public WindowTest {};

// Every speed and gravity inside their ranges launches with every other, corners included.
TEST_F(FlightTest, SpeedsAndGravitiesInsideTheirRangesAlwaysLaunch) {
    for (const char* angle : {"1", "45", "90"})
        for (const char* speed : {"1", "1E20"})
            for (const char* gravity : {"1E-18", "8.98E307"})
                launch(speed, angle, gravity);
    EXPECT_EQ(w.notebook.history().size(), 12U);
}

// The colours come from a generator with a fixed start: the same in every run of the program.
TEST_F(FlightTest, ColoursFollowAFixedSequenceThatARefusalLeavesAlone) {
    w.cmdFire.click();
    EXPECT_EQ(w.shpTrail(0).FillColor(), tk::rgb(21, 63, 191));
    EXPECT_EQ(w.shpBall.FillColor(), tk::rgb(21, 63, 191));
    EXPECT_EQ(w.shpBall.FillStyle(), 0);
    platform.clock.advance(1000);
    const float time = w.sngTime, left = w.shpBall.Left();
    w.txtgrav.setText("0");
    w.cmdFire.click(); // refused: the flight under way goes on as it was
    EXPECT_EQ(w.sngTime, time);
    EXPECT_EQ(w.shpBall.Left(), left);
    EXPECT_TRUE(w.Timer1.Enabled());
    EXPECT_EQ(w.Label5.Caption(), "Timp total: 7.21 s");
    w.txtgrav.setText("9.806");
    w.cmdFire.click();
    EXPECT_EQ(w.shpBall.FillColor(), tk::rgb(173, 104, 159));
}

TEST_F(FlightTest, EachDotStandsWhereTheBallWasWithTheShapeAndTrailSetAtItsTick) {
    w.cmdFire.click();
    platform.clock.advance(100);
    ASSERT_EQ(w.shpTrail.Count(), 2);
    const tk::Shape& dot = w.shpTrail(1);
    EXPECT_TRUE(dot.Visible());
    EXPECT_EQ(dot.Left(), 8.0F);
    EXPECT_EQ(dot.Top(), 336.0F);
    EXPECT_EQ(dot.FillStyle(), 0);
    EXPECT_EQ(dot.FillColor(), w.shpTrail(0).FillColor());
    EXPECT_FALSE(w.shpBall.Visible()); // the newest dot stands in for the ball
    w.Option1(1).click();
    w.HSBRaza.setValue(15);
    w.mnutraiect.click(); // without the trail the ball shows and no dot is left
    EXPECT_FALSE(w.mnutraiect.Checked() || w.chkTrail.Value());
    platform.clock.advance(500);
    EXPECT_EQ(w.shpTrail.Count(), 2);
    EXPECT_TRUE(w.shpBall.Visible());
    w.mnutraiect.click();
    platform.clock.advance(100);
    EXPECT_FALSE(w.shpBall.Visible());
    EXPECT_EQ(dot.ShapeCode(), tk::ShapeCodes::Circle);
    EXPECT_EQ(dot.Width(), 9.0F);
    ASSERT_EQ(w.shpTrail.Count(), 3);
    EXPECT_EQ(w.shpTrail(2).ShapeCode(), tk::ShapeCodes::Square);
    EXPECT_EQ(w.shpTrail(2).Width(), 15.0F);
    // The pointer on a dot shows the step that left it: steps 1 to 5 left none.
    EXPECT_EQ(
        w.toolTipOf(w.shpTrail(2)).rfind("Aruncarea 1, pasul 6\nt = 1.50 s\nx = 53.033 m\n", 0),
        0U);
    EXPECT_EQ(w.toolTipOf(w.shpBall), "");
}

TEST_F(FlightTest, ClockCountsDownFourteenValuesThenStops) {
    EXPECT_EQ(w.Label11.Caption(), "0.00");
    platform.clock.advance(200);
    EXPECT_EQ(w.Label11.Caption(), "0.00 sec");
    EXPECT_FALSE(w.Timer3.Enabled());
    w.cmdFire.click();
    std::vector<std::string> shown;
    while (w.Timer3.Enabled()) {
        platform.clock.advance(200);
        shown.push_back(w.Label11.Caption());
    }
    ASSERT_EQ(shown.size(), 15U);
    EXPECT_EQ(shown.front(), "6.71096038818359 sec");
    EXPECT_EQ(shown[1], "6.21096038818359 sec");
    EXPECT_EQ(shown[13], "0.210960388183594 sec");
    EXPECT_EQ(shown[14], "0.00 sec");
    EXPECT_EQ(w.dblTimeLeft, 0);
}

TEST_F(FlightTest, CoordinatesAreMetresFromTheLaunchPoint) {
    w.cmdFire.click();
    platform.clock.advance(100); // first tick: the launch point
    EXPECT_EQ(w.Label7.Caption(), "Coordonata X : 00.00");
    EXPECT_EQ(w.Label8.Caption(), "Coordonata Y : 00.00");
    launch("20", "90", "10"); // top at t = 2 s, 20 m
    platform.clock.advance(900);
    EXPECT_EQ(w.Label8.Caption(), "Coordonata Y : 20.00");
}

TEST_F(FlightTest, PauseFreezesBallAndClockResumeGoesOnAndStartBeginsAnew) {
    w.cmdFire.click();
    platform.clock.advance(1000);
    w.Command1.click();
    const float left = w.shpBall.Left(), time = w.sngTime;
    const auto shown = texts();
    EXPECT_EQ(shown.back(), "Reia");
    platform.clock.advance(5000);
    EXPECT_EQ(w.shpBall.Left(), left);
    EXPECT_EQ(texts(), shown);
    EXPECT_TRUE(w.Timer2.Enabled());
    w.Command1.click();
    EXPECT_EQ(w.Command1.Caption(), "Stop");
    EXPECT_TRUE(w.Timer3.Enabled()); // the clock goes on with the ball
    platform.clock.advance(100);
    EXPECT_EQ(w.sngTime, time + 0.25F);
    EXPECT_GT(w.shpBall.Left(), left);
    w.Command1.click();
    w.cmdFire.click(); // Start while paused
    EXPECT_EQ(w.Command1.Caption(), "Stop");
    EXPECT_EQ(w.sngTime, 0.0F);
    EXPECT_EQ(w.shpBall.Left(), 8.0F);
    EXPECT_TRUE(w.Timer1.Enabled());
}

// A position beyond single precision ends the flight for every part: display, clock, notebook.
TEST_F(FlightTest, PositionBeyondTheNumberRangeEndsTheFlight) {
    // 0.25 s x 20 x 7.07e37 m/s passes the largest float; so does 9E300 / 2 x (0.25 s)^2.
    for (auto [speed, gravity, tick] : {std::tuple{"1e38", "9.806", 21}, {"1", "9E300", 2}}) {
        launch(speed, "45", gravity);
        EXPECT_EQ(flyUntilLanded(100), tick);
        platform.clock.advance(400);
        EXPECT_FALSE(w.Timer2.Enabled() || w.Timer3.Enabled() || w.shpBall.Visible() ||
                     w.Command1.Enabled());
        EXPECT_EQ(w.Label11.Caption(), "0.00 sec");
        EXPECT_TRUE(std::isfinite(w.shpBall.Left()) && std::isfinite(w.shpBall.Top()));
        const std::string& x = w.Label7.Caption(); // a coordinate, not a landing text or infinity
        EXPECT_EQ(x.rfind("Coordonata X : ", 0), 0U);
        EXPECT_EQ(x.find_first_not_of("0123456789.", 15), std::string::npos) << x;
        const Throw& f = *w.notebook.current();
        EXPECT_TRUE(f.log.interrupted() && !f.log.landing());
        EXPECT_EQ(StepTable::cell(f, f.log.size(), 0, platform.locale()), "zbor intrerupt");
    }
    w.notebook.toggleSeries(); // every angle is cut short, and the series goes on to the next
    platform.clock.advance(5 * 200);
    EXPECT_FALSE(w.notebook.seriesActive());
    EXPECT_EQ(w.notebook.history().size(), 7U);
}

// A series throws one speed and gravity: an edit of a box ends it, and the flight goes on.
TEST_F(FlightTest, EditingSpeedAngleOrGravityEndsTheSeries) {
    for (tk::TextBox* box : {&w.txtViteza, &w.txtUnghi, &w.txtgrav}) {
        w.notebook.toggleSeries();
        const std::string typed = box->Text();
        box->setText(typed + "1");
        EXPECT_FALSE(w.notebook.seriesActive()) << box->name();
        EXPECT_TRUE(w.Timer1.Enabled());
        box->setText(typed);
    }
    flyUntilLanded();
    EXPECT_EQ(w.notebook.history().size(), 3U); // no next angle
}

// Without gravity the ball never comes down; the trail stops at the most dots an array holds.
TEST_F(FlightTest, NeverLandingFlightStopsTheTrailAtTheLimit) {
    w.cmdFire.click();
    w.txtgrav.setText("0");
    platform.clock.advance(32766LL * 100);
    EXPECT_EQ(w.shpTrail.Count(), 32767);
    platform.clock.advance(1000);
    EXPECT_EQ(w.shpTrail.Count(), 32767);
    EXPECT_TRUE(w.shpBall.Visible());
    EXPECT_TRUE(w.Timer1.Enabled());
    w.cmdClear.click();
    EXPECT_EQ(w.shpTrail.Count(), 1);
    platform.clock.advance(100);
    EXPECT_EQ(w.shpTrail.Count(), 2);
    EXPECT_TRUE(w.shpTrail.exists(1));
}

} // namespace
} // namespace lopena::testing
