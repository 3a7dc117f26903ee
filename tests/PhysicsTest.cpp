#include "physics/LaunchSolution.h"
#include "physics/Trajectory.h"
#include "support/Table.h"
#include "toolkit/NumberText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>

using namespace physics;

namespace {

Launch ball(double v0, double angle, double h0 = 0) {
    Launch l{v0, angle, h0, 9.81, Medium::QuadraticDrag};
    l.mass = 0.15, l.diameter = 0.07, l.cd = 0.35, l.rho = 1.2266;
    return l;
}
Launch linear(double v0, double angle, double h0 = 0, double k = 0.1) {
    Launch l{v0, angle, h0, 9.81, Medium::LinearDrag};
    l.k = k;
    return l;
}
Launch with(Launch l, Medium medium) {
    l.medium = medium;
    return l;
}
Launch tennis(double v0, double angle, double h0) { // the Laborator's tennis ball
    Launch l{v0, angle, h0, 9.81, Medium::QuadraticDrag};
    l.mass = 0.057, l.diameter = 0.067, l.cd = 0.55;
    return l;
}
Launch dust(double v0, double angle, double h0) { // the most drag the inputs allow: w = 5e-10 m/s
    Launch l{v0, angle, h0, 9.81, Medium::QuadraticDrag};
    l.mass = 1e-9, l.diameter = 1e3, l.cd = 10, l.rho = 1e4;
    return l;
}

// The number a solution writes right after `marker` (Romanian notation), NaN when absent.
double after(const std::string& html, const std::string& marker) {
    const auto at = html.find(marker);
    if (at == std::string::npos)
        return NAN;
    std::string text = html.substr(at + marker.size(), 32);
    std::replace(text.begin(), text.end(), ',', '.');
    return std::strtod(text.c_str(), nullptr);
}
// Half a unit of the 15th significant digit: how far a written number may be from its value.
double half(double written) {
    return written == 0 ? 0 : 0.5 * std::pow(10.0, std::floor(std::log10(std::fabs(written))) - 14);
}

// Within half a unit of the last digit given (0 where none is given).
void expectDigits(double got, double want, double unit, const char* what) {
    if (unit > 0) {
        EXPECT_NEAR(got, want, unit / 2) << what;
    }
}

} // namespace

// Hand-checked values, to the digits given.
TEST(Physics, ReferenceThrows) {
    struct Case {
        Launch launch;
        double T, uT, D, uD, H, uH, V, uV;
    };
    const Case cases[] = {
        {{20, 45, 0, 9.81}, 2.8832, 1e-4, 40.775, 1e-3, 10.194, 1e-3, 20, 1e-9},
        {{25, 35, 20, 9.80}, 3.958, 1e-3, 81.05, 1e-2, 0, 0, 31.89, 1e-2},
        {linear(20, 45), 2.75671, 1e-5, 34.0737, 1e-4, 9.3090, 1e-4, 0, 0},
        {ball(25, 45), 3.3735, 1e-4, 50.505, 1e-3, 13.980, 1e-3, 20.177, 1e-3},
    };
    for (const Case& c : cases) {
        const auto r = solve(c.launch);
        ASSERT_TRUE(r) << r.refusal().message;
        expectDigits(r->T, c.T, c.uT, "T");
        expectDigits(r->D, c.D, c.uD, "D");
        expectDigits(r->H, c.H, c.uH, "H");
        expectDigits(r->V, c.V, c.uV, "V");
    }
    EXPECT_NEAR(solve(cases[1].launch)->impactAngle, 50.05, 0.005);
    // Linear drag through W0 to the digits of a separate computation (Boost, 10 digits).
    EXPECT_NEAR(solve(linear(20, 45))->T, 2.7567106498, 1e-10);
}

// Quadratic drag to 1e-9 against what is known exactly: a vertical throw (closed form), and a
// drag so weak that the flight is the vacuum's.
TEST(Physics, QuadraticDragMeetsItsAccuracy) {
    for (double v0 : {0.5, 25.0, 300.0}) {
        const auto r = solve(ball(v0, 90));
        const Launch& l = r->launch;
        const double c = l.rho * l.cd * std::numbers::pi * l.diameter * l.diameter / 8 / l.mass;
        const double w = std::sqrt(l.g / c);
        EXPECT_NEAR(r->H / (w * w / (2 * l.g) * std::log1p(v0 * v0 / (w * w))), 1, 1e-9) << v0;
        EXPECT_NEAR(r->apexTime / (w / l.g * std::atan(v0 / w)), 1, 1e-9) << v0;
        EXPECT_EQ(r->D, 0);
    }
    for (double angle : {-60.0, 0.0, 30.0, 89.0}) {
        Launch weak = ball(40, angle, 15);
        weak.rho = 1e-6, weak.cd = 1e-3, weak.mass = 1e9; // c = 2e-21 1/m
        const auto r = solve(weak), v = solve(with(weak, Medium::Vacuum));
        for (auto [got, want] : {std::pair{r->T, v->T}, {r->D, v->D}, {r->H, v->H}, {r->V, v->V}})
            EXPECT_NEAR(got / want, 1, 1e-9) << angle;
    }
    // Drag far above gravity slows the body along its line, v = v0/(1 + c·v0·t): from 1e6 to
    // 1e3 m/s it goes ln(1000)/c further, c = 3.9269908169872415e19 1/m.
    const auto fast = solve(dust(1e6, 45, 1)), slow = solve(dust(1e3, 45, 1));
    ASSERT_TRUE(fast && slow);
    EXPECT_NEAR((fast->D - slow->D) /
                    (std::cos(std::numbers::pi / 4) * std::log(1000) / 3.9269908169872415e19),
                1, 1e-6);
    // Linear drag with a negligible k is the vacuum's flight too (W0's branch point avoided),
    // within the drag's own effect, k·T = 3e-9.
    const auto r = solve(linear(20, 45, 3, 1e-9)), v = solve(Launch{20, 45, 3});
    EXPECT_NEAR(r->T / v->T, 1, 1e-8);
    EXPECT_NEAR(r->D / v->D, 1, 1e-8);
}

TEST(Physics, BestAngleIsBelow45WithHeightOrDrag) {
    const double v0 = 20, h0 = 10, g = 9.81;
    const auto vacuum = bestAngle(Launch{v0, 0, h0, g});
    const double expected = std::atan(v0 / std::sqrt(v0 * v0 + 2 * g * h0)) * 180 / std::numbers::pi;
    EXPECT_NEAR(vacuum->angle, expected, 1e-12);
    EXPECT_NEAR(bestAngle(Launch{v0, 0, 0, g})->angle, 45, 1e-12);
    for (const Launch& l : {linear(v0, 0), ball(v0, 0), ball(v0, 0, h0)}) {
        const auto best = bestAngle(l);
        ASSERT_TRUE(best);
        EXPECT_LT(best->angle, 45);
        EXPECT_GT(best->angle, 30);
        // A degree either side flies less far.
        for (double delta : {-1.0, 1.0}) {
            Launch other = l;
            other.angle = best->angle + delta;
            EXPECT_LT(solve(other)->D, best->D);
        }
    }
}

// The extremes compute or are refused, never a NaN or an infinity, and the state follows them.
TEST(Physics, ExtremeThrowsStayFinite) {
    Launch light = ball(25, 45, 1e6);
    light.mass = 1e-6; // terminal speed 0.11 m/s: reached at once
    std::vector<Launch> throws = {light, ball(25, -90, 100), ball(25, 90), ball(1e-3, 45),
                                  ball(1e6, 45), ball(1e6, 30, 1e6), ball(1e-3, 10, 1e6)};
    for (Launch l : std::vector<Launch>(throws))
        for (Medium m : {Medium::Vacuum, Medium::LinearDrag})
            throws.push_back(with(l, m));
    for (double g : {1e-6, 1e6})
        for (Medium m : {Medium::Vacuum, Medium::LinearDrag, Medium::QuadraticDrag}) {
            Launch l = with(ball(1e6, 60, 1e6), m);
            l.g = g;
            throws.push_back(l);
        }
    for (const Launch& l : throws) {
        const auto r = solve(l);
        const std::string name = std::to_string(l.v0) + " " + std::to_string(l.angle) + " " +
                                 std::to_string(l.h0) + " m" + std::to_string(int(l.medium));
        ASSERT_TRUE(r) << name << ": " << r.refusal().message;
        EXPECT_GT(r->T, 0) << name;
        EXPECT_GE(r->D, 0) << name;
        EXPECT_GE(r->H, l.h0) << name;
        EXPECT_LE(r->steps, 5000) << name;
        EXPECT_TRUE(r->V > 0 && std::isfinite(r->V) && std::isfinite(r->H)) << name;
        const State start = r->at(0), end = r->at(r->T), apex = r->at(r->apexTime);
        EXPECT_EQ(start.y, l.h0) << name;
        EXPECT_NEAR(std::hypot(start.vx, start.vy) / l.v0, 1, 1e-12) << name;
        EXPECT_NEAR(end.y, 0, 1e-9 * r->H) << name;
        EXPECT_NEAR(end.x, r->D, 1e-9 * r->D) << name;
        EXPECT_NEAR(apex.y, r->H, 1e-9 * r->H) << name;
        EXPECT_EQ(r->at(-1).t, 0);
        EXPECT_EQ(r->at(r->T * 2).t, r->T);
        for (double f = 0; f <= 1; f += 1.0 / 64) {
            const State s = r->at(f * r->T);
            for (double v : {s.x, s.y, s.vx, s.vy, s.ax, s.ay})
                ASSERT_TRUE(std::isfinite(v)) << name << " at " << s.t;
        }
    }
}

TEST(Physics, RefusalsNameTheInput) {
    struct Case {
        Launch launch;
        Field field;
        const char* says;
    };
    Launch badMass = ball(10, 45), badCd = ball(10, 45), badRho = ball(10, 45), badD = ball(10, 45);
    badMass.mass = 0, badCd.cd = NAN, badRho.rho = INFINITY, badD.diameter = -1;
    const Case cases[] = {
        {{0, 45}, Field::Speed, "Viteza"},         {{2e8, 45}, Field::Speed, "Viteza"},
        {{NAN, 45}, Field::Speed, "Viteza"},       {{10, 91}, Field::Angle, "Unghiul"},
        {{10, -10}, Field::Angle, "sub orizontala"}, {{10, 0}, Field::Angle, "orizontal"},
        {{10, 45, -1}, Field::Height, "Inaltimea"}, {{10, 45, 0, 0}, Field::Gravity, "gravitationala"},
        {{10, 45, 0, INFINITY}, Field::Gravity, "gravitationala"},
        {linear(10, 45, 0, 0), Field::LinearDrag, "k"},
        {badMass, Field::Mass, "Masa"},            {badCd, Field::DragCoefficient, "Cd"},
        {badRho, Field::Density, "Densitatea"},    {badD, Field::Diameter, "Diametrul"},
    };
    for (const Case& c : cases) {
        const auto r = solve(c.launch);
        ASSERT_FALSE(r) << c.says;
        EXPECT_EQ(r.refusal().field, c.field) << c.says;
        EXPECT_NE(r.refusal().message.find(c.says), std::string::npos) << r.refusal().message;
        EXPECT_FALSE(bestAngle(c.launch) && c.field != Field::Angle) << c.says;
        EXPECT_NE(solutionHtml(c.launch, tk::Locale::romanian()).find(r.refusal().message),
                  std::string::npos);
    }
    // Boost's maths report errors as NaN, never by a throw.
    EXPECT_TRUE(std::isnan(numerics::lambertW0(-1)));
    EXPECT_NEAR(numerics::lambertW0(-1 / std::numbers::e), -1, 1e-7);
}

// The worked solution writes the pupil's numbers in the locale's notation and the model's
// results with the Laborator's three decimals, each case in its textbook form: the time to the
// top as a step, in vacuum the speed at the ground checked by the energy (hand-computed: 25 m/s
// from 20 m, sqrt(625 + 392) = 31,890 m/s); how T was found with no formula comes after
// "Detalii", out of the pupil's way; a vertical impact is 90 degrees.
TEST(Physics, WorkedSolutions) {
    const tk::Locale ro = tk::Locale::romanian();
    struct Case {
        Launch launch;
        Method method;
        std::vector<const char*> says, never = {};
    };
    const Case cases[] = {
        {{25, 35, 20, 9.8},
         Method::Formula,
         {"h<sub>0</sub> = 20 m", "&Delta; = ", "&asymp; 597,619", "Radacina negativa",
          "&asymp; 3,958 s", "&asymp; 81,049 m", "&asymp; 50,05&deg; sub orizontala",
          "t<sub>urcare</sub> = </td>", "&asymp; 1,463 s", "&radic;(25<sup>2</sup> + 2 &middot; 9,8 "
          "&middot; 20) &asymp; 31,890 m/s"},
         {"Detalii"}},
        {{10, 0, 20},
         Method::Formula,
         {"Aruncarea orizontala", "2 &middot; h<sub>0</sub>", "D = v<sub>0</sub> &middot; t",
          "t<sub>urcare</sub> = 0 s", "2 &middot; 9,81 &middot; 20) &asymp; 22,190 m/s"}},
        {{10, 90},
         Method::Formula,
         {"Aruncarea verticala in sus", "t<sub>urcare</sub>", "O radacina este T = 0"}},
        {{10, -90, 5},
         Method::Formula,
         {"Aruncarea verticala in jos", "H = 5 m", "&beta; = 90&deg;"},
         {"tg &beta;"}},
        {linear(20, 45),
         Method::LambertW,
         {"w = g/k = 9,81/0,1 = 98,100 m/s", "t<sub>urcare</sub> = ln(1 + ", "&asymp; 1,347 s",
          "W a lui Lambert (vezi Detalii): T &asymp; 2,757 s", "<h3>Detalii</h3>\n<p>Timpul de zbor",
          "W(z) = -0,868489338933378", "= 2,75671064978252 s"},
         {"Verificare"}},
        {linear(10, 90, 0), Method::LambertW, {"&beta; = 90&deg;"}, {"tg &beta;"}},
        {linear(1e5, -60, 10, 1), Method::RootSearch, {"cautand numeric radacina"}}, // W0 overflows
        {ball(25, 45),
         Method::Steps,
         {"nu se pot rezolva separat", "<h3>Detalii</h3>\n<p>Ecuatiile au fost integrate",
          "Dormand-Prince", " de pasi", "T = 3,373493453 s", "<td>3,604 s</td>",
          "&asymp; 20,177 m/s", "V = 20,17707587 m/s", "pas cu pas", "zeroul intre doi pasi"},
         {"formula exacta", "Verificare"}},
        {tennis(15, -90, 20),
         Method::Fall,
         {"formula exacta", "&beta; = 90&deg;"},
         {"pas cu pas", "tg &beta;"}},
        {tennis(20, 0, 1e4), Method::StepsThenFall, {"pas cu pas", "formula exacta"}},
    };
    for (const Case& c : cases) {
        const auto r = solve(c.launch);
        ASSERT_TRUE(r);
        EXPECT_EQ(r->method, c.method) << c.says[0];
        EXPECT_EQ(r->steps == 0,
                  c.method == Method::Fall || c.launch.medium != Medium::QuadraticDrag);
        const std::string html = solutionHtml(c.launch, ro);
        EXPECT_EQ(solutionHtml(*r, ro), html);
        for (const char* text : c.says)
            EXPECT_NE(html.find(text), std::string::npos) << text;
        for (const char* text : c.never)
            EXPECT_EQ(html.find(text), std::string::npos) << text;
        EXPECT_EQ(html.find("NaN"), std::string::npos);
        EXPECT_EQ(html.find("Infinity"), std::string::npos);
        for (double v : {r->T, r->D, r->V}) // as the Laborator shows them
            EXPECT_NE(html.find(tk::FixedNumber(v, 3, ro)), std::string::npos) << v;
    }
    // The exact fall: v = w·tanh(u0 + g·t/w), tanh u0 = v0/w; T to 40 digits (mpmath).
    EXPECT_NEAR(solve(tennis(15, -90, 20))->T, 1.1548397082712987884, 1e-14);
}

// Linear drag: the solution names the method the model used, and a pupil who takes the written
// z and W(z) finds W·e^W = z and T = (a + b + W)/k to the digits written.
struct LinearCase : lopena::testing::Row {
    Launch launch;
    Method method;
};
class LinearSolutions : public ::testing::TestWithParam<LinearCase> {};
TEST_P(LinearSolutions, WriteWhatWasComputed) {
    const LinearCase& c = GetParam();
    const auto r = solve(c.launch);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->method, c.method);
    const std::string html = solutionHtml(*r, tk::Locale::romanian());
    const long double a = after(html, "a = 1 + v<sub>y</sub>/w = "),
                      b = after(html, "b = k &middot; h<sub>0</sub>/w = "),
                      z = after(html, "z = &minus;a &middot; e<sup>&minus;(a+b)</sup> = "),
                      W = after(html, "W(z) = "), k = c.launch.k;
    if (c.method == Method::RootSearch) {
        EXPECT_TRUE(std::isnan(static_cast<double>(W))) << "no W(z) where it was not used";
        EXPECT_NE(html.find("cautand numeric radacina"), std::string::npos);
        return;
    }
    ASSERT_FALSE(std::isnan(static_cast<double>(a + b + z + W)));
    EXPECT_NEAR(W * std::exp(W), z, half(z) + std::fabs((1 + W) * std::exp(W)) * half(W) + 1e-18L);
    EXPECT_NEAR((a + b + W) / k, r->T, (half(a) + half(b) + half(W)) / k + half(r->T));
}
INSTANTIATE_TEST_SUITE_P(
    , LinearSolutions,
    ::testing::Values(
        LinearCase{{"Usual"}, linear(20, 45), Method::LambertW},
        LinearCase{{"DownSlowerThanW"}, linear(20, -30, 10, 0.5), Method::LambertW},
        LinearCase{{"DownFasterThanW"}, linear(30, -90, 10, 1), Method::LambertW},
        LinearCase{{"DownAtW"}, linear(10, -90, 10, 0.981), Method::LambertW},
        LinearCase{{"StrongDrag"}, linear(50, 60, 0, 50), Method::LambertW},
        LinearCase{{"WeakDragNearBranchPoint"}, linear(20, 45, 0, 1e-9), Method::RootSearch},
        LinearCase{{"ShortFastDown"}, linear(6769, -90, 6.8e-6, 1), Method::RootSearch},
        LinearCase{{"ArgumentOverflows"}, linear(1e5, -60, 10, 1), Method::RootSearch}),
    lopena::testing::rowName);

// Far from a lesson, each throw gets its right time of flight (40-digit references, mpmath), or a
// refusal that says why, from check() as from solve().
struct ExtremeCase : lopena::testing::Row {
    Launch launch;
    double T; // 0: refused, blaming the angle
};
class Extremes : public ::testing::TestWithParam<ExtremeCase> {};
TEST_P(Extremes, AreRightOrRefusedTruthfully) {
    const ExtremeCase& c = GetParam();
    const auto r = solve(c.launch);
    EXPECT_EQ(check(c.launch).has_value(), !r);
    if (c.T == 0) {
        ASSERT_FALSE(r);
        EXPECT_EQ(r.refusal().field, Field::Angle);
        EXPECT_NE(r.refusal().message.find("1E-100 grade"), std::string::npos)
            << r.refusal().message;
        return;
    }
    ASSERT_TRUE(r) << r.refusal().message;
    EXPECT_NEAR(r->T / c.T, 1, 1e-9);
}
constexpr double tiny = 7.1165310988555742178e-102; // 2·20·sin(1e-100°)/9.81
INSTANTIATE_TEST_SUITE_P(
    , Extremes,
    ::testing::Values(
        // y(T) = 0 solved to 80 digits with expm1.
        ExtremeCase{{"LinearShortest"}, linear(1e-6, 1e-6, 0, 1e-9), 3.5582655494277869283e-15},
        ExtremeCase{
            {"LinearShortFastDown"}, linear(6769, -90, 6.8e-6, 1), 1.0045797020845946163e-09},
        // Drag stops the body within 1e-18 m, then it falls 1 m at w: T = h0/w = √(c/g).
        ExtremeCase{{"HugeDragSlow"}, dust(1, 45, 1), 2000762040.6000960757},
        ExtremeCase{{"HugeDragFast"}, dust(1e6, 45, 1), 2000762040.6000960757},
        ExtremeCase{{"HugeDragFastest"}, dust(1e8, 90, 1), 2000762040.6000960757},
        // The exact fall over 1 µm: cosh s + (v0/w)·sinh s = e^(g·h0/w²), s = g·T/w.
        ExtremeCase{{"ShortExactFall"}, tennis(15, -90, 1e-6), 6.6666665907897184102e-8},
        // T = 2·v0·sin α/g; drag changes it by less than 1e-90.
        ExtremeCase{{"TinyAngleVacuum"}, {20, 1e-100, 0}, tiny},
        ExtremeCase{{"TinyAngleLinear"}, linear(20, 1e-100), tiny},
        ExtremeCase{{"TinyAngleQuadratic"}, ball(20, 1e-100), tiny},
        ExtremeCase{{"TinyAngleSlowStrongGravity"},
                    with(Launch{1e-6, 1e-100, 0, 1e6}, Medium::QuadraticDrag),
                    3.4906585039886591538e-114},
        ExtremeCase{{"BelowTinyAngleVacuum"}, {20, 9e-101, 0}, 0},
        ExtremeCase{{"BelowTinyAngleQuadratic"}, ball(20, 1e-300), 0}),
    lopena::testing::rowName);
