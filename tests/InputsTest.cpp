#include "support/WindowFixture.h"

namespace lopena::testing {
namespace {

class StartUpTest : public WindowTest {};

// Loading leaves Stop and the coordinate display off and sizes the ball from the radius.
TEST_F(StartUpTest, WindowRestsIdle) {
    EXPECT_FALSE(w.Command1.Enabled() || w.Timer1.Enabled() || w.Timer2.Enabled());
    EXPECT_EQ(w.Command1.Caption(), "Stop");
    EXPECT_TRUE(w.Timer3.Enabled() && w.cmdFire.Enabled());
    EXPECT_FALSE(w.shpBall.Visible());
    for (const tk::Shape* s : {&w.shpBall, &w.shpTrail(0)})
        EXPECT_EQ(std::pair(s->Width(), s->Height()), std::pair(9.0F, 9.0F));
    platform.clock.advance(1000); // no coordinate tick before a flight
    EXPECT_EQ(w.Label7.Caption(), "Coordonata X : 0,00");
    EXPECT_EQ(w.Label8.Caption(), "Coordonata Y : 0,00");
}

struct Typed : Row {
    bool angle; // the angle box, else the speed box
    const char *text, *result;
};

class TypedTextTest : public WindowTest, public ::testing::WithParamInterface<Typed> {};

TEST_P(TypedTextTest, IsCorrectedAtOnceAndNeverMovesTheBar) {
    tk::TextBox& box = GetParam().angle ? w.txtUnghi : w.txtViteza;
    box.setText(GetParam().text);
    EXPECT_EQ(box.Text(), GetParam().result);
    EXPECT_EQ(w.hsbViteza.Value(), 50);
    EXPECT_EQ(w.hsbUnghi.Value(), 45);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, TypedTextTest,
    ::testing::Values(
        Typed{"speed_zero", false, "0", "1"}, Typed{"speed_large_stays", false, "1000", "1000"},
        Typed{"speed_empty", false, "", "1"}, Typed{"speed_minus", false, "-", "1"},
        Typed{"speed_letter", false, "a", "1"}, Typed{"speed_half", false, "0.5", "1"},
        Typed{"speed_one", false, "1", "1"}, Typed{"speed_beyond_double", false, "1e400", "1"},
        Typed{"speed_negative", false, "-20", "1"}, Typed{"speed_hex", false, "&H20", "&H20"},
        Typed{"speed_decimal_comma", false, "2,5", "2,5"},
        Typed{"speed_half_with_a_comma", false, "0,5", "1"}, Typed{"angle_zero", true, "0", "1"},
        Typed{"angle_half", true, "0.5", "1"}, Typed{"angle_one", true, "1", "1"},
        Typed{"angle_ninety", true, "90", "90"}, Typed{"angle_ninety_one", true, "91", "90"},
        Typed{"angle_exponent", true, "1e3", "90"}, Typed{"angle_letters", true, "ab", "1"},
        Typed{"angle_empty", true, "", "1"}, Typed{"angle_beyond_double", true, "1e999", "1"}),
    rowName);

TEST_F(StartUpTest, RadiusResizesBallAndPatternAtOnceUnlessTheBallCannotTakeIt) {
    w.HSBRaza.setValue(12);
    EXPECT_EQ(w.txtRaza.Text(), " 12");
    for (const char* text : {" 12", "-5", "400", "1e39", "1e400"}) {
        w.txtRaza.setText(text);
        for (const tk::Shape* s : {&w.shpBall, &w.shpTrail(0)})
            EXPECT_EQ(std::pair(s->Width(), s->Height()), std::pair(12.0F, 12.0F)) << text;
    }
    w.txtRaza.setText("abc"); // no number: a 0 by 0 ball, as the text says
    EXPECT_EQ(w.shpBall.Width(), 0.0F);
}

} // namespace
} // namespace lopena::testing
