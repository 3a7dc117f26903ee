#include "support/WindowFixture.h"

#include "simulation/FinalResults.h"

#include <cmath>

namespace lopena::testing {
namespace {

class LaunchTest : public WindowTest {};

TEST_F(LaunchTest, DefaultLaunchShowsTheFourResults) {
    w.cmdFire.click();
    EXPECT_EQ(w.Label5.Caption(), "Timp total: 7.21 s");
    EXPECT_EQ(w.Label3.Caption(), "Distanta parcursa : 254.946 m");
    EXPECT_EQ(w.Label4.Caption(), "Inaltime maxima: 63.736 m");
    EXPECT_EQ(w.Label6.Caption(), "Viteza la impact 50");
    // In double precision the components are 35.35533905932734199... (sine) and
    // 35.35533905932740594... (cosine): 15 digits apart in the last place.
    EXPECT_EQ(w.Label7.Caption(), "35.3553390593273");
    EXPECT_EQ(w.Label8.Caption(), "35.3553390593274");
}

TEST_F(LaunchTest, DefaultLaunchSetsStateAndControls) {
    w.cmdFire.click();
    EXPECT_EQ(w.sngAngle, 45.0F);
    EXPECT_NEAR(w.dblVelocity[1], 35.35533905932, 1e-10);
    EXPECT_NEAR(w.dblVelocity[2], 35.35533905932, 1e-10);
    EXPECT_EQ(w.dblVelocity[0], 50.0);
    EXPECT_EQ(w.sngFlightTime, static_cast<float>(2 * w.dblVelocity[2] / 9.806));
    EXPECT_EQ(w.dblTimeLeft, static_cast<double>(w.sngFlightTime));
    EXPECT_EQ(w.dblTimeLeft, 7.210960388183594);
    EXPECT_EQ(w.sngTime, 0.0F);
    EXPECT_TRUE(w.Timer1.Enabled());
    EXPECT_TRUE(w.Timer2.Enabled());
    EXPECT_TRUE(w.Timer3.Enabled());
    EXPECT_TRUE(w.Command1.Enabled());
    EXPECT_EQ(w.Command1.Caption(), "Stop");
    EXPECT_EQ(w.Label11.Caption(), "0");
    EXPECT_TRUE(w.shpBall.Visible());
    EXPECT_EQ(w.shpBall.Left(), 8.0F);
    EXPECT_EQ(w.shpBall.Top(), 336.0F);
    EXPECT_EQ(w.shpBall.FillStyle(), 0);
    EXPECT_EQ(w.shpBall.FillColor(), w.shpTrail(0).FillColor());
}

struct ComponentCase {
    const char* name;
    const char* speed;
    const char* angle;
    const char* label7;
    const char* label8;
    const char* distance;
};

class ComponentTest : public WindowTest, public ::testing::WithParamInterface<ComponentCase> {};

TEST_P(ComponentTest, ShowsTheLaunchComponents) {
    const ComponentCase& c = GetParam();
    launch(c.speed, c.angle);
    EXPECT_EQ(w.Label7.Caption(), c.label7);
    EXPECT_EQ(w.Label8.Caption(), c.label8);
    EXPECT_EQ(w.Label3.Caption(), c.distance);
}

INSTANTIATE_TEST_SUITE_P(
    Launch, ComponentTest,
    ::testing::Values(ComponentCase{"angle_30", "50", "30", "43.3012701892219", "25",
                                    "Distanta parcursa : 220.79 m"},
                      ComponentCase{"angle_90", "50", "90", "0", "50", "Distanta parcursa : 0 m"},
                      ComponentCase{"angle_45", "50", "45", "35.3553390593273", "35.3553390593274",
                                    "Distanta parcursa : 254.946 m"}),
    [](const auto& info) { return std::string(info.param.name); });

class RomanianLaunchTest : public WindowTest {
protected:
    RomanianLaunchTest() : WindowTest(tk::Locale::romanian()) {}
};

TEST_F(RomanianLaunchTest, NumbersCarryADecimalComma) {
    w.cmdFire.click();
    EXPECT_EQ(w.Label5.Caption(), "Timp total: 7,21 s");
    EXPECT_EQ(w.Label3.Caption(), "Distanta parcursa : 254,946 m");
    EXPECT_EQ(w.Label4.Caption(), "Inaltime maxima: 63,736 m");
    EXPECT_EQ(w.Label6.Caption(), "Viteza la impact 50");
    EXPECT_EQ(w.Label8.Caption(), "35,3553390593274");
    launch("50", "30");
    EXPECT_EQ(w.Label7.Caption(), "43,3012701892219");
    EXPECT_EQ(w.Label8.Caption(), "25");
}

TEST_F(LaunchTest, GravityWithACommaIsCutAtTheComma) {
    launch("50", "45", "9,81");
    const double t = 2 * w.dblVelocity[2] / 9;
    EXPECT_EQ(w.sngFlightTime, static_cast<float>(t));
}

TEST_F(LaunchTest, NegativeGravityGivesNegativeResultsAndAPositiveSpeed) {
    launch("50", "45", "-9.806");
    EXPECT_EQ(w.Label5.Caption(), "Timp total: -7.21 s");
    EXPECT_EQ(w.Label3.Caption(), "Distanta parcursa : -254.946 m");
    EXPECT_EQ(w.Label4.Caption(), "Inaltime maxima: -63.736 m");
    EXPECT_EQ(w.Label6.Caption(), "Viteza la impact 50");
    EXPECT_LT(w.sngFlightTime, 0);
}

TEST(FinalResultsTest, ImpactSpeedIsTheMagnitudeOfTheVelocity) {
    auto r = computeFinalResults(30, 40, 9.806);
    ASSERT_TRUE(r);
    EXPECT_NEAR(r->impactSpeed, 50, 1e-12);
    EXPECT_NEAR(r->flightTime, 80 / 9.806, 1e-12);
    EXPECT_FALSE(computeFinalResults(30, 40, 0));
    EXPECT_FALSE(computeFinalResults(30, 40, NAN));
    EXPECT_FALSE(computeFinalResults(1e200, 1e200, 9.806)); // vy squared overflows
    EXPECT_FALSE(computeFinalResults(30, 40, 1e-320));      // the time overflows
}

struct RefusedCase {
    const char* name;
    const char* speed;
    const char* gravity;
    bool onSpeedBox;
};

class RefusedLaunchTest : public WindowTest, public ::testing::WithParamInterface<RefusedCase> {};

TEST_P(RefusedLaunchTest, ChangesNothingAndTellsThePupil) {
    const RefusedCase& c = GetParam();
    w.txtViteza.setText(c.speed);
    w.txtgrav.setText(c.gravity);
    const auto before = texts();
    w.cmdFire.click();
    EXPECT_EQ(texts(), before);
    EXPECT_FALSE(w.Timer1.Enabled());
    EXPECT_FALSE(w.Timer2.Enabled());
    EXPECT_FALSE(w.shpBall.Visible());
    EXPECT_FALSE(w.Command1.Enabled());
    EXPECT_EQ(w.shpBall.Left(), 8.0F);
    ASSERT_EQ(platform.refusals.size(), 1U);
    EXPECT_EQ(platform.refusals[0].box, c.onSpeedBox ? &w.txtViteza : &w.txtgrav);
    EXPECT_FALSE(platform.refusals[0].explanation.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Launch, RefusedLaunchTest,
    ::testing::Values(RefusedCase{"gravity_zero", "50", "0", false},
                      RefusedCase{"gravity_empty", "50", "", false},
                      RefusedCase{"gravity_text", "50", "abc", false},
                      RefusedCase{"gravity_beyond_double", "50", "1e400", false},
                      RefusedCase{"gravity_tiny", "50", "1e-320", false},
                      RefusedCase{"time_beyond_single", "1e30", "1e-10", false},
                      RefusedCase{"speed_overflows", "1e300", "9.806", true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(LaunchTest, RefusedLaunchLeavesAFlightUnderWay) {
    w.cmdFire.click();
    platform.clock.advance(1000);
    const float time = w.sngTime;
    const float left = w.shpBall.Left();
    w.txtgrav.setText("0");
    w.cmdFire.click();
    EXPECT_EQ(w.sngTime, time);
    EXPECT_EQ(w.shpBall.Left(), left);
    EXPECT_TRUE(w.Timer1.Enabled());
    EXPECT_EQ(w.Label5.Caption(), "Timp total: 7.21 s");
}

TEST_F(LaunchTest, RefusedLaunchDrawsNoColour) {
    w.txtgrav.setText("0");
    w.cmdFire.click();
    w.txtgrav.setText("9.806");
    w.cmdFire.click();
    HeadlessPlatform other;
    frmmain fresh(other);
    fresh.Load(other.clock);
    fresh.cmdFire.click();
    EXPECT_EQ(w.shpBall.FillColor(), fresh.shpBall.FillColor());
}

TEST_F(LaunchTest, EveryRunGivesTheFirstFlightTheSameColourAndLaterFlightsNewOnes) {
    w.cmdFire.click();
    const tk::Colour first = w.shpBall.FillColor();
    w.cmdFire.click();
    EXPECT_NE(w.shpBall.FillColor(), first);

    HeadlessPlatform other;
    frmmain second(other);
    second.Load(other.clock);
    second.cmdFire.click();
    EXPECT_EQ(second.shpBall.FillColor(), first);
    for (tk::Colour c : {first, w.shpBall.FillColor()})
        EXPECT_TRUE(c >= 0 && c <= 0xFFFFFF);
}

TEST_F(LaunchTest, StartWhilePausedBeginsANewFlight) {
    w.cmdFire.click();
    platform.clock.advance(500);
    w.Command1.click();
    ASSERT_EQ(w.Command1.Caption(), "Reia");
    w.cmdFire.click();
    EXPECT_EQ(w.Command1.Caption(), "Stop");
    EXPECT_EQ(w.sngTime, 0.0F);
    EXPECT_EQ(w.shpBall.Left(), 8.0F);
    EXPECT_TRUE(w.Timer1.Enabled());
}

} // namespace
} // namespace lopena::testing
