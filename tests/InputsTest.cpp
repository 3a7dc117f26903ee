#include "support/WindowFixture.h"

namespace lopena::testing {
namespace {

class StartUpTest : public WindowTest {};

TEST_F(StartUpTest, WindowRestsIdle) {
    EXPECT_FALSE(w.Command1.Enabled());
    EXPECT_EQ(w.Command1.Caption(), "Stop");
    EXPECT_FALSE(w.Timer1.Enabled());
    EXPECT_FALSE(w.Timer2.Enabled());
    EXPECT_TRUE(w.Timer3.Enabled());
    EXPECT_TRUE(w.cmdFire.Enabled());
    EXPECT_EQ(w.shpBall.Width(), 9.0F);
    EXPECT_EQ(w.shpBall.Height(), 9.0F);
    EXPECT_EQ(w.shpTrail(0).Width(), 9.0F);
    EXPECT_EQ(w.txtRaza.Text(), "9");
    EXPECT_EQ(w.txtViteza.Text(), "50");
    EXPECT_EQ(w.Label7.Caption(), "Coordonata X : 0,00");
    EXPECT_EQ(w.Label8.Caption(), "Coordonata Y : 0,00");
    EXPECT_FALSE(w.shpBall.Visible());
    EXPECT_FALSE(w.chkTrail.Visible());
    EXPECT_EQ(w.shpTrail.Count(), 1);
    EXPECT_TRUE(w.mnutraiect.Checked());
    EXPECT_TRUE(w.mnugrid.Checked());
    platform.clock.advance(1000);
    EXPECT_EQ(w.Label7.Caption(), "Coordonata X : 0,00"); // no coordinate tick before a flight
}

TEST_F(StartUpTest, GridLinesStandWhereTheLayoutPutsThem) {
    EXPECT_EQ(w.grid.Count(), 23);
    EXPECT_EQ(w.grid(0).X1, 64.0F);
    EXPECT_EQ(w.grid(10).X1, 624.0F);
    EXPECT_EQ(w.grid(22).X1, 680.0F);
    EXPECT_EQ(w.grid(17).X1, 736.0F);
    EXPECT_EQ(w.grid(21).X1, 960.0F);
    EXPECT_EQ(w.grid(16).Y1, 8.0F);
    EXPECT_EQ(w.grid(11).Y1, 288.0F);
    EXPECT_EQ(w.grid(11).X2, 1008.0F);
    EXPECT_EQ(w.grid(5).Y1, 352.0F);
}

struct TextCase {
    const char* name;
    const char* typed;
    const char* result;
};

class SpeedTextTest : public WindowTest, public ::testing::WithParamInterface<TextCase> {};

TEST_P(SpeedTextTest, IsCorrectedAtOnce) {
    w.txtViteza.setText(GetParam().typed);
    EXPECT_EQ(w.txtViteza.Text(), GetParam().result);
    EXPECT_EQ(w.hsbViteza.Value(), 50); // typing never moves the bar
}

INSTANTIATE_TEST_SUITE_P(Inputs, SpeedTextTest,
                         ::testing::Values(TextCase{"zero", "0", "1"},
                                           TextCase{"large_stays", "1000", "1000"},
                                           TextCase{"empty", "", "1"}, TextCase{"minus", "-", "1"},
                                           TextCase{"letter", "a", "1"},
                                           TextCase{"half", "0.5", "1"}, TextCase{"one", "1", "1"},
                                           TextCase{"beyond_double", "1e400", "1"},
                                           TextCase{"negative", "-20", "1"},
                                           TextCase{"comma_is_grouping_in_c", "2,5", "2,5"},
                                           TextCase{"hex", "&H20", "&H20"}),
                         [](const auto& info) { return std::string(info.param.name); });

class AngleTextTest : public WindowTest, public ::testing::WithParamInterface<TextCase> {};

TEST_P(AngleTextTest, IsKeptBetweenOneAndNinety) {
    w.txtUnghi.setText(GetParam().typed);
    EXPECT_EQ(w.txtUnghi.Text(), GetParam().result);
    EXPECT_EQ(w.hsbUnghi.Value(), 45);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, AngleTextTest,
    ::testing::Values(TextCase{"zero", "0", "1"}, TextCase{"half", "0.5", "1"},
                      TextCase{"one", "1", "1"}, TextCase{"ninety", "90", "90"},
                      TextCase{"ninety_one", "91", "90"}, TextCase{"exponent", "1e3", "90"},
                      TextCase{"letters", "ab", "1"}, TextCase{"empty", "", "1"},
                      TextCase{"beyond_double", "1e999", "1"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(StartUpTest, CorrectionNestsInsideTheOuterHandler) {
    int calls = 0;
    auto handler = w.txtUnghi.onChange;
    w.txtUnghi.onChange = [&] {
        ++calls;
        handler();
    };
    w.txtUnghi.setText("x");
    EXPECT_EQ(w.txtUnghi.Text(), "1");
    EXPECT_EQ(calls, 2); // the outer run and the nested one from the correction
}

class RomanianInputsTest : public WindowTest {
protected:
    RomanianInputsTest() : WindowTest(tk::Locale::romanian()) {}
};

TEST_F(RomanianInputsTest, DecimalCommaStaysAndCountsUpToTheComma) {
    w.txtViteza.setText("2,5");
    EXPECT_EQ(w.txtViteza.Text(), "2,5");
    w.cmdFire.click();
    EXPECT_EQ(w.dblVelocity[0], 2.0);
    w.txtViteza.setText("0,5");
    EXPECT_EQ(w.txtViteza.Text(), "1");
}

TEST_F(StartUpTest, ScrollBarsWriteTheirText) {
    w.hsbViteza.setValue(73);
    EXPECT_EQ(w.txtViteza.Text(), " 73");
    w.hsbViteza.setValue(0);
    EXPECT_EQ(w.txtViteza.Text(), "1");
    EXPECT_EQ(w.hsbViteza.Value(), 0);
    w.hsbUnghi.setValue(0);
    EXPECT_EQ(w.txtUnghi.Text(), "1");
    w.hsbUnghi.setValue(90);
    EXPECT_EQ(w.txtUnghi.Text(), " 90");
}

TEST_F(StartUpTest, RadiusBarResizesBallAndPatternAtOnce) {
    w.HSBRaza.setValue(20);
    EXPECT_EQ(w.txtRaza.Text(), " 20");
    for (const tk::Shape* s : {&w.shpBall, &w.shpTrail(0)}) {
        EXPECT_EQ(s->Width(), 20.0F);
        EXPECT_EQ(s->Height(), 20.0F);
    }
}

TEST_F(StartUpTest, RadiusTextThatTheBallCannotTakeLeavesItAsItWas) {
    w.HSBRaza.setValue(12);
    for (const char* bad : {"-5", "400", "1e39", "1e400"}) {
        w.txtRaza.setText(bad);
        EXPECT_EQ(w.shpBall.Width(), 12.0F) << bad;
        EXPECT_EQ(w.shpTrail(0).Height(), 12.0F) << bad;
    }
    w.txtRaza.setText("abc"); // no number: a 0 by 0 ball, as the text says
    EXPECT_EQ(w.shpBall.Width(), 0.0F);
}

} // namespace
} // namespace lopena::testing
