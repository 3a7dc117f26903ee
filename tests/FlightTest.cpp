#include "support/WindowFixture.h"

#include <cmath>

namespace lopena::testing {
namespace {

class FlightTest : public WindowTest {};

TEST_F(FlightTest, DefaultFlightLandsOnTheThirtiethTickWithThirtyDots) {
    w.cmdFire.click();
    EXPECT_EQ(flyUntilLanded(), 30);
    EXPECT_EQ(w.shpTrail.Count(), 31);
    EXPECT_EQ(w.sngTime, 7.5F);
    EXPECT_NEAR(w.sngPosition[1], 256.326, 0.001);
    EXPECT_NEAR(w.sngPosition[2], -1.388, 0.001);
    EXPECT_EQ(w.Label7.Caption(), "Coordonata X : 254.946 m");
    EXPECT_EQ(w.Label8.Caption(), "Coordonata Y : 0,00");
    EXPECT_FALSE(w.Timer2.Enabled());
    EXPECT_FALSE(w.Command1.Enabled());
    EXPECT_FALSE(w.shpBall.Visible());
    EXPECT_TRUE(w.cmdFire.Enabled());
    // The results of the launch stay.
    EXPECT_EQ(w.Label5.Caption(), "Timp total: 7.21 s");
}

TEST_F(FlightTest, EveryDotStandsWhereTheBallWasInTheFlightColour) {
    w.cmdFire.click();
    platform.clock.advance(100);
    ASSERT_EQ(w.shpTrail.Count(), 2);
    const tk::Shape& dot = w.shpTrail(1);
    EXPECT_TRUE(dot.Visible());
    EXPECT_EQ(dot.Left(), 8.0F);
    EXPECT_EQ(dot.Top(), 336.0F);
    EXPECT_EQ(dot.Width(), 9.0F);
    EXPECT_EQ(dot.ShapeCode(), tk::ShapeCodes::Circle);
    EXPECT_EQ(dot.FillStyle(), 0);
    EXPECT_EQ(dot.FillColor(), w.shpTrail(0).FillColor());
    EXPECT_FALSE(w.shpBall.Visible()); // the newest dot stands in for the ball
}

struct LandingCase {
    const char* name;
    const char* speed;
    const char* angle;
    int tick;
    double x;
};

class LandingTest : public WindowTest, public ::testing::WithParamInterface<LandingCase> {};

TEST_P(LandingTest, LandsOnTheFirstTickBelowTheGround) {
    const LandingCase& c = GetParam();
    launch(c.speed, c.angle);
    EXPECT_EQ(flyUntilLanded(), c.tick);
    EXPECT_NEAR(w.sngPosition[1], c.x, 0.05);
}

INSTANTIATE_TEST_SUITE_P(Flight, LandingTest,
                         ::testing::Values(LandingCase{"default", "50", "45", 30, 256.326},
                                           LandingCase{"straight_up", "50", "90", 42, 0},
                                           LandingCase{"slowest", "1", "1", 2, 0.25},
                                           LandingCase{"beyond_the_frame", "100", "45", 59,
                                                       1025.3}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(FlightTest, RomanianLandingTextKeepsItsComma) {
    HeadlessPlatform ro(tk::Locale::romanian());
    frmmain window(ro);
    window.Load(ro.clock);
    window.cmdFire.click();
    ro.clock.advance(3000);
    EXPECT_EQ(window.Label7.Caption(), "Coordonata X : 254,946 m");
    EXPECT_EQ(window.Label8.Caption(), "Coordonata Y : 0,00");
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
    // At the top of the flight the height matches the maximum height of the results.
    w.txtgrav.setText("10");
    launch("20", "90", "10"); // top at t = 2 s, 20 m
    platform.clock.advance(900);
    EXPECT_EQ(w.Label8.Caption(), "Coordonata Y : 20.00");
    EXPECT_EQ(w.Label4.Caption(), "Inaltime maxima: 20 m");
}

TEST_F(FlightTest, PauseFreezesBallAndClockAndResumeGoesOn) {
    w.cmdFire.click();
    platform.clock.advance(1000);
    w.Command1.click();
    EXPECT_EQ(w.Command1.Caption(), "Reia");
    const float left = w.shpBall.Left(), time = w.sngTime;
    const std::string clock = w.Label11.Caption();
    const std::string label7 = w.Label7.Caption();
    platform.clock.advance(5000);
    EXPECT_EQ(w.shpBall.Left(), left);
    EXPECT_EQ(w.Label11.Caption(), clock);
    EXPECT_EQ(w.Label7.Caption(), label7);
    EXPECT_TRUE(w.Timer2.Enabled());
    w.Command1.click();
    EXPECT_EQ(w.Command1.Caption(), "Stop");
    platform.clock.advance(100);
    EXPECT_EQ(w.sngTime, time + 0.25F);
    EXPECT_GT(w.shpBall.Left(), left);
    // Unpaused, the clock still reaches zero at about the landing.
    EXPECT_EQ(flyUntilLanded(), 19);
    EXPECT_EQ(w.Label11.Caption(), "0.00 sec");
    EXPECT_EQ(w.Label11.Caption(), "0.00 sec");
}

TEST_F(FlightTest, TrailSwitchedOffMidFlightShowsTheBallAndLeavesNoDots) {
    w.cmdFire.click();
    platform.clock.advance(500);
    ASSERT_EQ(w.shpTrail.Count(), 6);
    w.mnutraiect.click();
    EXPECT_EQ(w.chkTrail.Value(), 0);
    EXPECT_FALSE(w.mnutraiect.Checked());
    platform.clock.advance(500);
    EXPECT_EQ(w.shpTrail.Count(), 6);
    EXPECT_TRUE(w.shpBall.Visible());
    w.mnutraiect.click();
    platform.clock.advance(100);
    EXPECT_EQ(w.shpTrail.Count(), 7);
    EXPECT_FALSE(w.shpBall.Visible());
}

TEST_F(FlightTest, ShapeAndSizeChangesMidFlightReachOnlyLaterDots) {
    w.cmdFire.click();
    platform.clock.advance(200);
    w.Option1(1).click();
    w.HSBRaza.setValue(15);
    platform.clock.advance(100);
    EXPECT_EQ(w.shpTrail(2).ShapeCode(), tk::ShapeCodes::Circle);
    EXPECT_EQ(w.shpTrail(2).Width(), 9.0F);
    EXPECT_EQ(w.shpTrail(3).ShapeCode(), tk::ShapeCodes::Square);
    EXPECT_EQ(w.shpTrail(3).Width(), 15.0F);
}

TEST_F(FlightTest, ZeroGravityMidFlightNeverLands) {
    w.cmdFire.click();
    platform.clock.advance(300);
    w.txtgrav.setText("0");
    EXPECT_EQ(flyUntilLanded(200), -1);
    EXPECT_TRUE(w.Timer1.Enabled());
}

TEST_F(FlightTest, PositionBeyondSinglePrecisionEndsTheFlightQuietly) {
    launch("1e38", "45");
    const auto before = w.Label7.Caption();
    EXPECT_EQ(flyUntilLanded(100), 21); // 0.25 s x 20 x 7.07e37 m/s passes the largest float
    EXPECT_FALSE(w.Timer1.Enabled());
    EXPECT_FALSE(w.Timer2.Enabled());
    EXPECT_FALSE(w.shpBall.Visible());
    EXPECT_FALSE(w.Command1.Enabled());
    EXPECT_TRUE(std::isfinite(w.shpBall.Left()));
    EXPECT_TRUE(std::isfinite(w.shpBall.Top()));
    EXPECT_EQ(w.Label7.Caption().rfind("Coordonata X : ", 0), 0U); // no landing text, no NaN
    EXPECT_EQ(w.Label7.Caption().find("Inf"), std::string::npos);
    EXPECT_EQ(w.Label7.Caption().find("NaN"), std::string::npos);
}

TEST_F(FlightTest, NeverLandingFlightStopsTheTrailAtTheLimit) {
    launch("50", "45", "-9.806");
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

namespace lopena::testing {
namespace {

// Under LeakSanitizer (the asan preset) this also proves that flights and clears leak nothing.
TEST_F(FlightTest, ThousandLaunchesAndClears) {
    for (int flight = 0; flight < 1000; ++flight) {
        w.cmdFire.click();
        platform.clock.advance(3000);
        ASSERT_FALSE(w.Timer1.Enabled()) << "flight " << flight;
        ASSERT_EQ(w.shpTrail.Count(), 31);
        w.cmdClear.click();
    }
    EXPECT_EQ(w.shpTrail.Count(), 1);
}

} // namespace
} // namespace lopena::testing
