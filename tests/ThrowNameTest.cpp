#include "notebook/ThrowName.h"
#include "notebook/ThrowComparison.h"
#include "support/Table.h"

#include <gtest/gtest.h>

namespace lopena::testing {
namespace {

const tk::Locale ro = tk::Locale::romanian();

// A throw of the Laborator as its model flies it.
ThrowRecord labThrow(double v0, double angle, double h0,
                     physics::Medium medium = physics::Medium::Vacuum, double g = 9.81,
                     const char* body = "") {
    physics::Launch l;
    l.v0 = v0;
    l.angle = angle;
    l.h0 = h0;
    l.g = g;
    l.medium = medium;
    l.mass = 0.057; // the tennis ball
    l.diameter = 0.067;
    l.cd = 0.55;
    LabThrow launch;
    launch.flight = *physics::solve(l);
    launch.body = body;
    return ThrowRecord::of(launch, ro);
}

// A throw of the main window: its numbers as its launch reports them.
ThrowRecord mainThrow(double v0, double angle, double g) {
    ThrowRecord r;
    static_cast<LaunchFacts&>(r) = LaunchFacts::of({v0, angle, g, 0, 0, 0, 0, 0, 0}, 0, ro);
    return r;
}

struct Named : Row {
    ThrowRecord flight;
    const char* text;
};
class ThrowNames : public ::testing::TestWithParam<Named> {};

TEST_P(ThrowNames, SayTheLaunchInTheLocalesNumbers) {
    EXPECT_EQ(throwName(GetParam().flight, ro), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Launches, ThrowNames,
    ::testing::Values(
        Named{{"Main"}, mainThrow(20, 45, 9.806), "20 m/s, 45\xC2\xB0"},
        Named{{"MainOnTheMoon"}, mainThrow(12.5, 30, 1.62), "12,5 m/s, 30\xC2\xB0, g 1,62 m/s2"},
        Named{{"LabVacuum"}, labThrow(20, 30, 45), "20 m/s, 30\xC2\xB0, h0 45 m, vid"},
        Named{{"LabTennisBall"},
              labThrow(30, 30, 0, physics::Medium::QuadraticDrag, 9.81, "minge de tenis"),
              "30 m/s, 30\xC2\xB0, h0 0 m, aer, minge de tenis"},
        Named{{"LabBodyOfItsOwn"},
              labThrow(30, 30, 0, physics::Medium::QuadraticDrag),
              "30 m/s, 30\xC2\xB0, h0 0 m, aer"},
        Named{{"LabLinearOnMars"},
              labThrow(20, 60, 1.5, physics::Medium::LinearDrag, 3.71),
              "20 m/s, 60\xC2\xB0, h0 1,5 m, aer, k 0,1 1/s, g 3,71 m/s2"}),
    rowName);

// Second row minus first, per cent of the first: the tennis ball in air loses half the range
// of vacuum (D 79,45 m against 39,8 m); in vacuum with g = 10, 45 against 30 degrees: D 40 and
// 34,641 m, H 10 and 5 m, T 2,828 and 2 s, V 20 and 20 m/s.
TEST(ThrowComparison, GivesTheDifferencesAndTheirPerCentOfTheFirstRow) {
    const ThrowRecord vacuum = labThrow(30, 30, 0);
    const ThrowRecord tennis = labThrow(30, 30, 0, physics::Medium::QuadraticDrag);
    const std::string text = compareThrows(vacuum, tennis, ro);
    EXPECT_EQ(text.substr(0, text.find(", \xCE\x94H")),
              "Diferente (rand 2 fata de rand 1, in % din rand 1): \xCE\x94"
              "D = -39,6 m (-49,8 %)");
    EXPECT_EQ(
        compareThrows(labThrow(20, 45, 0, physics::Medium::Vacuum, 10),
                      labThrow(20, 30, 0, physics::Medium::Vacuum, 10), ro),
        "Diferente (rand 2 fata de rand 1, in % din rand 1): \xCE\x94"
        "D = -5,4 m (-13,4 %), "
        "\xCE\x94H = -5,0 m (-50,0 %), \xCE\x94T = -0,83 s (-29,3 %), \xCE\x94V = 0,0 m/s (0,0 %). "
        "Rand 1: 20 m/s, 45\xC2\xB0, h0 0 m, vid, g 10 m/s2; rand 2: 20 m/s, 30\xC2\xB0, h0 0 m, "
        "vid, g 10 m/s2.");
    EXPECT_EQ(compareThrows(mainThrow(20, 45, 9.806), mainThrow(20, 45, 9.806), ro),
              "Diferente (rand 2 fata de rand 1, in % din rand 1): \xCE\x94"
              "D = 0,0 m, \xCE\x94H = 0,0 m, "
              "\xCE\x94T = 0,00 s, \xCE\x94V = 0,0 m/s. Rand 1: 20 m/s, 45\xC2\xB0; rand 2: 20 "
              "m/s, 45\xC2\xB0.")
        << "no per cent of a first row's 0";
}

} // namespace
} // namespace lopena::testing
