#include "laboratory/LabSeries.h"
#include "notebook/SeriesGraph.h"
#include "support/Table.h"
#include "support/WindowFixture.h"
#include "toolkit/NumberText.h"

#include <cmath>
#include <set>

namespace lopena::testing {
namespace {

TEST(LabSeriesRange, AnglesEveryFiveDegreesFromTheFirstAndRefusals) {
    using Angles = std::vector<double>;
    EXPECT_EQ(LabSeries::angles(15, 75),
              (Angles{15, 20, 25, 30, 35, 40, 45, 50, 55, 60, 65, 70, 75}));
    EXPECT_EQ(LabSeries::angles(30, 40), (Angles{30, 35, 40}));
    EXPECT_EQ(LabSeries::angles(12.5, 24), (Angles{12.5, 17.5, 22.5}));
    EXPECT_EQ(LabSeries::angles(45, 45), (Angles{45}));
    EXPECT_EQ(LabSeries::angles(0, 90).size(), 19u);
}

// The Laborator opened from the main window's menu, in a Romanian locale, on the virtual clock.
class LabSeriesTest : public WindowTest {
protected:
    LabSeriesTest() : WindowTest(tk::Locale::romanian()) { w.mnulab.click(); }
    frmLab& lab() { return *w.labWindow; }
    // Shows the series at 0.1 s a tick until it ends; false if it still runs after `limitMs`.
    bool runSeries(int limitMs = 600000) {
        for (int ms = 0; ms < limitMs && lab().seriesActive(); ms += 100)
            platform.clock.advance(100);
        return !lab().seriesActive();
    }
};

struct RangeRefusal : Row {
    const char *from, *to;
    int box; // 0: "de", 1: "pana la"
    const char* why;
};
class LabSeriesRefusals : public LabSeriesTest,
                          public ::testing::WithParamInterface<RangeRefusal> {};

TEST_P(LabSeriesRefusals, NameTheBoxAndThrowNothing) {
    const RangeRefusal& c = GetParam();
    lab().txtLabSerieDe.setText(c.from);
    lab().txtLabSeriePana.setText(c.to);
    lab().cmdLabSerie.click();
    ASSERT_EQ(platform.refusals.size(), 1u);
    EXPECT_EQ(platform.refusals[0].box, c.box == 0 ? &lab().txtLabSerieDe : &lab().txtLabSeriePana);
    EXPECT_EQ(platform.refusals[0].explanation, c.why);
    EXPECT_FALSE(lab().seriesActive());
    EXPECT_TRUE(w.notebook.history().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Range, LabSeriesRefusals,
    ::testing::Values(
        RangeRefusal{{"NotANumber"}, "cinci", "75", 0, "Scrieti un numar."},
        RangeRefusal{{"Empty"}, "15", "", 1, "Scrieti un numar."},
        RangeRefusal{{"BelowZero"}, "-5", "75", 0, LabSeries::outOfRange},
        RangeRefusal{{"Above90"}, "15", "95", 1, LabSeries::outOfRange},
        RangeRefusal{{"Reversed"}, "60", "30", 0, LabSeries::reversed},
        RangeRefusal{
            {"TooLarge"}, "1e400", "75", 0, "Numarul este prea mare: scrieti unul mai mic."}),
    rowName);

// D(alpha) in vacuum: D = v0 cos a (v0 sin a + sqrt(v0^2 sin^2 a + 2 g h0)) / g; the best angle
// atan(v0 / sqrt(v0^2 + 2 g h0)), its D = v0 sqrt(v0^2 + 2 g h0) / g.
struct VacuumSeries : Row {
    const char* height;
    double h0;
    const char* best; // the mark's name
};
class LabSeriesInVacuum : public LabSeriesTest,
                          public ::testing::WithParamInterface<VacuumSeries> {};

TEST_P(LabSeriesInVacuum, ThrowsEveryAngleInItsColourAndDrawsDOfAlpha) {
    const VacuumSeries& c = GetParam();
    lab().txtLabViteza.setText("20");
    lab().txtLabInaltime.setText(c.height);
    lab().cmdLabSerie.click();
    EXPECT_EQ(lab().cmdLabSerie.Caption(), "Opreste seria");
    ASSERT_TRUE(runSeries());
    EXPECT_EQ(lab().cmdLabSerie.Caption(), "Serie de unghiuri");
    const auto& history = w.notebook.history();
    ASSERT_EQ(history.size(), 13u);
    std::set<tk::Colour> colours;
    for (std::size_t i = 0; i < history.size(); ++i) {
        EXPECT_EQ(history[i].angleDegrees, 15 + 5.0 * i);
        colours.insert(history[i].colour);
    }
    EXPECT_EQ(colours.size(), 13u) << "each trail in its own colour";
    const SeriesGraph graph = seriesGraph(history, platform.locale());
    ASSERT_EQ(graph.points.size(), 13u);
    const double v = 20, g = 9.81;
    for (const SeriesGraph::Point& p : graph.points) {
        const double a = p.angle * M_PI / 180, vy = v * std::sin(a);
        EXPECT_NEAR(p.D, v * std::cos(a) * (vy + std::sqrt(vy * vy + 2 * g * c.h0)) / g, 1e-9)
            << p.angle;
    }
    EXPECT_EQ(graph.bestName, c.best);
    EXPECT_EQ(graph.name, std::string("D(unghi): 20 m/s, h0 ") + c.height + " m, vid");
    EXPECT_EQ(lab().txtLabUnghi.Text(), "75");
}

INSTANTIATE_TEST_SUITE_P(
    Heights, LabSeriesInVacuum,
    ::testing::Values(
        VacuumSeries{{"FromTheGround"}, "0", 0, "unghi optim 45,00\xC2\xB0, D = 40,775 m"},
        VacuumSeries{{"From10m"}, "10", 10, "unghi optim 39,32\xC2\xB0, D = 49,780 m"}),
    rowName);

TEST_F(LabSeriesTest, ASetRangeAnEditOrTheButtonAgainStopsIt) {
    lab().txtLabSerieDe.setText("30");
    lab().txtLabSeriePana.setText("40");
    lab().cmdLabSerie.click();
    ASSERT_TRUE(runSeries());
    ASSERT_EQ(w.notebook.history().size(), 3u);
    EXPECT_EQ(w.notebook.history()[2].angleDegrees, 40);

    lab().cmdLabSerie.click(); // a second series, stopped by the button
    EXPECT_TRUE(lab().seriesActive());
    lab().cmdLabSerie.click();
    EXPECT_FALSE(lab().seriesActive());
    platform.clock.advance(60000);
    EXPECT_EQ(w.notebook.history().size(), 4u) << "the throw in the air lands; none follows";

    lab().cmdLabSerie.click(); // a third, stopped by an edit of the speed
    lab().txtLabViteza.setText("25");
    EXPECT_FALSE(lab().seriesActive());
    platform.clock.advance(60000);
    EXPECT_EQ(w.notebook.history().size(), 5u);
    // D(alpha) shows the last series alone: one throw.
    EXPECT_EQ(seriesGraph(w.notebook.history(), platform.locale()).points.size(), 1u);
}

} // namespace
} // namespace lopena::testing
