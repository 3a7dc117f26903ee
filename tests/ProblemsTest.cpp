#include "problems/Draws.h"
#include "problems/ProblemSheets.h"
#include "problems/ProblemSolution.h"
#include "problems/Verdict.h"
#include "support/TallLayout.h"
#include "support/WindowFixture.h"
#include "toolkit/NumberText.h"

#include <cmath>
#include <cstring>
#include <map>
#include <numbers>
#include <stdexcept>

namespace lopena::testing {
namespace {

constexpr double degree = std::numbers::pi / 180;

const ProblemTemplate& exercise(const std::string& id) {
    for (const ProblemTemplate& t : problemBank())
        if (id == t.id)
            return t;
    throw std::invalid_argument(id);
}

std::size_t indexOf(const std::string& id) {
    return static_cast<std::size_t>(&exercise(id) - problemBank().data());
}

Problem drawn(const ProblemTemplate& t, const std::string& code, int pupil, int variant = 0,
              const tk::Locale& locale = tk::Locale::romanian()) {
    Draws draws(code, pupil, t.id, variant);
    return makeProblem(t, draws, locale);
}

// The textbook's closed forms, written again from the givens: the model's answers in the
// order the exercise asks for them (in air only the vacuum's range has one).
std::vector<double> byHand(const Problem& p) {
    const Givens& x = p.givens;
    const double g = x.g, v = x.v0, a = x.angle * degree, h = x.h0, d = x.distance;
    const double energy = std::sqrt(v * v + 2 * g * h); // the speed at the ground, m/s
    switch (p.from->kind) {
    case Kind::Horizontal: {
        const double t = std::sqrt(2 * h / g);
        return {t, v * t, std::hypot(v, g * t), std::atan(g * t / v) / degree};
    }
    case Kind::FromGround: {
        const double vx = v * std::cos(a), vy = v * std::sin(a);
        return {vy / g, 2 * vy / g, vy * vy / (2 * g), 2 * vx * vy / g, vx};
    }
    case Kind::LargestRange: {
        const double low = std::asin(d * g / (v * v)) / 2 / degree;
        return {v * v / g, low, 90 - low};
    }
    case Kind::UpFromHeight:
    case Kind::DownFromHeight: {
        const double vy = (p.from->kind == Kind::UpFromHeight ? 1 : -1) * v * std::sin(a);
        const double T = (vy + std::sqrt(vy * vy + 2 * g * h)) / g;
        return {T, v * std::cos(a) * T, energy};
    }
    case Kind::Vertical: {
        if (p.from->down)
            return {(energy - v) / g, energy};
        const double H = h + v * v / (2 * g);
        std::vector<double> up = {v / g, H, v / g + std::sqrt(2 * H / g)};
        if (h > 0)
            up.push_back(energy);
        return up;
    }
    case Kind::OtherBody: {
        const double sin2 = std::sin(2 * a), vy = v * std::sin(a);
        return {vy * vy / (2 * g), v * v * sin2 / g, v * v * sin2 / 9.81, 9.81 / g};
    }
    case Kind::SpeedNeeded: {
        if (p.from->down)
            return {std::sqrt(2 * h / g), d / std::sqrt(2 * h / g)};
        const double v0 = std::sqrt(g * d / std::sin(2 * a));
        return {v0, 2 * v0 * std::sin(a) / g};
    }
    case Kind::BestAngle:
        return {std::atan(v / energy) / degree, v * energy / g};
    case Kind::InAir:
        return {v * v * std::sin(2 * a) / g};
    }
    return {};
}

// Every number of the text followed by a unit: "1,25 m", "9,81 m/s²", "30°", "0,057 kg".
bool everyNumberHasItsUnit(const std::string& text) {
    static const char* const units[] = {" m/s²", " m/s", " m", "°", " kg", " s", " %"};
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!std::isdigit(static_cast<unsigned char>(text[i])))
            continue;
        while (i < text.size() && (std::isdigit(static_cast<unsigned char>(text[i])) ||
                                   (text[i] == ',' && i + 1 < text.size() &&
                                    std::isdigit(static_cast<unsigned char>(text[i + 1])))))
            ++i;
        bool unit = false;
        for (const char* u : units)
            unit = unit || text.compare(i, std::strlen(u), u) == 0;
        if (!unit)
            return false;
    }
    return true;
}

bool onItsSteps(double value, const Range& r) {
    const double steps = (value - r.lo) / r.step;
    return value >= r.lo && value <= r.hi && std::fabs(steps - std::round(steps)) < 1e-9;
}

// 10,000 seeds over the whole bank: the givens inside their ranges and on their steps, the
// answers the closed forms', the statement's numbers all with units, the same statement twice.
TEST(Problems, TenThousandSeedsStayInRangeAndAgreeWithTheHandFormulas) {
    const auto& bank = problemBank();
    for (int seed = 0; seed < 10000; ++seed) {
        const ProblemTemplate& t = bank[static_cast<std::size_t>(seed) % bank.size()];
        const std::string code = "9" + std::string(1, static_cast<char>('A' + seed / 1000));
        const Problem p = drawn(t, code, 1 + seed % 40);
        SCOPED_TRACE(std::string(t.id) + " " + p.statement);
        const Givens& x = p.givens;
        for (const auto& [value, range] : {std::pair{x.v0, t.v}, {x.angle, t.a}, {x.h0, t.h}})
            EXPECT_TRUE(range.hi == 0 || onItsSteps(value, range)) << value;
        if (t.kind == Kind::LargestRange) {
            EXPECT_NEAR(x.distance / p.answers[0].value, 0.665, 0.285);
        } else if (t.d.hi > 0) {
            EXPECT_TRUE(onItsSteps(x.distance, t.d)) << x.distance;
        }
        const std::vector<double> hand = byHand(p);
        ASSERT_LE(hand.size(), p.answers.size());
        for (std::size_t i = 0; i < hand.size(); ++i)
            EXPECT_NEAR(p.answers[i].value, hand[i], 1e-9 * hand[i]) << p.answers[i].question;
        for (const Answer& a : p.answers)
            EXPECT_TRUE(std::isfinite(a.value) && a.value > 0) << a.question;
        EXPECT_TRUE(everyNumberHasItsUnit(p.statement));
        EXPECT_EQ(drawn(t, code, 1 + seed % 40).statement, p.statement);
    }
}

struct PinnedCase : Row {
    const char* id;
    Givens givens; // v0, angle, h0, g, distance
    std::vector<double> answers;
};

class Pinned : public ::testing::TestWithParam<PinnedCase> {};

// Pupil 7 of class 9B in every build; the answers worked by hand on a calculator from the
// givens with the textbook's formulas, to five digits.
TEST_P(Pinned, PupilSevenOfNineBGetsTheseNumbersInEveryBuild) {
    const PinnedCase& c = GetParam();
    const Problem p = drawn(exercise(c.id), "9B", 7);
    const Givens& x = p.givens;
    EXPECT_EQ(std::vector<double>({x.v0, x.angle, x.h0, x.g, x.distance}),
              std::vector<double>(
                  {c.givens.v0, c.givens.angle, c.givens.h0, c.givens.g, c.givens.distance}));
    for (std::size_t i = 0; i < c.answers.size(); ++i)
        EXPECT_NEAR(p.answers[i].value, c.answers[i], 5e-5 * c.answers[i]) << i;
}

INSTANTIATE_TEST_SUITE_P(
    , Pinned,
    ::testing::Values(
        PinnedCase{{"Horizontal"}, "1b", {7.5, 0, 13, 9.81, 0}, {1.628, 12.21, 17.644, 64.845}},
        PinnedCase{
            {"FromGround"}, "2a", {23, 45, 0, 9.81, 0}, {1.6578, 3.3157, 13.481, 53.925, 16.263}},
        PinnedCase{{"LargestRange"}, "3a", {17, 0, 0, 9.81, 14}, {29.46, 14.187, 75.813}},
        PinnedCase{{"UpFromHeight"}, "4b", {14, 50, 29, 9.81, 0}, {3.7592, 33.829, 27.658}},
        PinnedCase{{"DownFromHeight"}, "5a", {8, 30, 17, 9.81, 0}, {1.4981, 10.379, 19.938}},
        PinnedCase{
            {"VerticalFromABalcony"}, "6b", {8, 0, 12, 9.81, 0}, {0.81549, 15.262, 2.5794, 17.304}},
        PinnedCase{{"OnMars"}, "7b", {14, 40, 0, 3.71, 0}, {10.914, 52.028, 19.676, 2.6442}},
        PinnedCase{{"SpeedNeeded"}, "8a", {0, 35, 0, 9.81, 34}, {18.84, 2.2031}},
        PinnedCase{{"BestAngle"}, "9a", {24, 0, 9, 9.81, 0}, {41.181, 67.115}},
        PinnedCase{{"InAirItsVacuumRange"}, "10b", {29, 20, 0, 9.81, 0}, {55.105}}),
    rowName);

TEST(Problems, TheStatementIsTheSameInEveryBuild) {
    EXPECT_EQ(drawn(exercise("1a"), "9B", 7).statement,
              "O bila se rostogoleste pe o masa inalta de 0,75 m si paraseste marginea ei cu "
              "viteza orizontala de 1,4 m/s. Se ia g = 9,81 m/s\u00B2.");
    EXPECT_EQ(drawn(exercise("1a"), "9B", 7, 0, tk::Locale::c()).statement.substr(0, 49),
              "O bila se rostogoleste pe o masa inalta de 0.75 m");
}

TEST(Problems, TheBankHoldsEveryKindInSeveralSettings) {
    std::map<Kind, int> settings;
    for (const ProblemTemplate& t : problemBank())
        ++settings[t.kind];
    EXPECT_GE(problemBank().size(), 30U);
    EXPECT_EQ(settings.size(), 10U);
    for (const auto& [kind, count] : settings)
        EXPECT_GE(count, 3) << static_cast<int>(kind);
}

TEST(Problems, TheSeedDependsOnTheCodeThePupilTheExerciseAndTheVariant) {
    EXPECT_EQ(normalClassCode(" 9b\t"), "9B");
    EXPECT_EQ(Draws("9b", 7, "1a", 0).seed(), Draws("9B", 7, "1a", 0).seed());
    const std::uint64_t seed = Draws("9B", 7, "1a", 0).seed();
    for (const Draws& other :
         {Draws("9B", 8, "1a", 0), Draws("9C", 7, "1a", 0), Draws("9B", 7, "1b", 0),
          Draws("9B", 7, "1a", 1), Draws("9B7", 0, "1a", 0)})
        EXPECT_NE(other.seed(), seed);
}

struct VerdictCase : Row {
    const char* answer;
    double value;
    Verdict::Mark mark;
    const char* text;
};

class Verdicts : public ::testing::TestWithParam<VerdictCase> {};

TEST_P(Verdicts, JudgeTheAnswerAgainstTheModelsValue) {
    const VerdictCase& c = GetParam();
    const Verdict v = judge(c.answer, c.value);
    EXPECT_EQ(v.mark, c.mark);
    EXPECT_EQ(v.text(tk::Locale::romanian()), c.text);
}

using M = Verdict::Mark;
INSTANTIATE_TEST_SUITE_P(
    , Verdicts,
    ::testing::Values(
        VerdictCase{{"ThreeDigitsWithAComma"}, "2,88", 2.883, M::Correct, "Corect"},
        VerdictCase{{"WithAPoint"}, "2.883", 2.883, M::Correct, "Corect"},
        VerdictCase{{"OnePercentOver"}, "101", 100, M::Correct, "Corect"},
        VerdictCase{{"OnePercentUnder"}, "99", 100, M::Correct, "Corect"},
        VerdictCase{{"JustPastOnePercent"}, "101,01", 100, M::Close, "Aproape: 1,0 %"},
        VerdictCase{{"ThreePercent"}, "103", 100, M::Close, "Aproape: 3,0 %"},
        VerdictCase{{"FivePercentUnder"}, "95", 100, M::Close, "Aproape: 5,0 %"},
        VerdictCase{{"JustPastFivePercent"}, "105,01", 100, M::Wrong, "Gresit"},
        VerdictCase{{"TheWrongSign"}, "-100", 100, M::Wrong, "Gresit"},
        // 99,96 is 100 to three digits: a unit of its last digit, 1, is over 1 %.
        VerdictCase{{"OneUnitOfTheThirdDigit"}, "100,9598", 99.96, M::Correct, "Corect"},
        VerdictCase{{"Empty"}, "", 5, M::None, ""}, VerdictCase{{"Blanks"}, "  ", 5, M::None, ""},
        VerdictCase{{"NotANumber"}, "doi", 5, M::Refused, ""},
        VerdictCase{{"TooLarge"}, "1e400", 5, M::Refused, ""}),
    rowName);

TEST(Problems, ResultsAreWrittenToThreeSignificantDigits) {
    const tk::Locale ro = tk::Locale::romanian();
    EXPECT_EQ(threeDigits(2.883, ro), "2,88");
    EXPECT_EQ(threeDigits(40.775, ro), "40,8");
    EXPECT_EQ(threeDigits(9.996, ro), "10,0");
    EXPECT_EQ(threeDigits(0.012345, ro), "0,0123");
    EXPECT_EQ(threeDigits(1234.5, ro), "1230");
}

// The window opened from the main window's menu, in a Romanian locale: pupil 7 of class 9B.
class ProblemsWindow : public WindowTest {
protected:
    ProblemsWindow() : WindowTest(tk::Locale::romanian()) {
        w.mnuprob.click();
        win().txtProbElev.setText("7");
    }
    frmProbleme& win() { return *w.problemsWindow; }
    const Problem& problem() { return *win().problem(); }
    std::string answerText(std::size_t i, double factor = 1) {
        return threeDigits(problem().answers[i].value * factor, platform.locale());
    }
    std::vector<std::string> verdicts() {
        std::vector<std::string> out;
        for (std::size_t i = 0; i < problem().answers.size(); ++i)
            out.push_back(win().lblProbVerdict(static_cast<tk::Integer>(i)).Caption());
        return out;
    }
};

TEST_F(ProblemsWindow, OpensFromTheViewMenuWithTheFirstExerciseOfThePupil) {
    EXPECT_EQ(w.mnuprob.shortcut(), "Ctrl+E");
    EXPECT_EQ(win().Caption().substr(0, win().Caption().find(" - ")), "Probleme");
    EXPECT_EQ(win().lstProbleme.Count(), static_cast<tk::Integer>(problemBank().size()));
    EXPECT_EQ(win().lblProbEnunt.Caption(), drawn(exercise("1a"), "9B", 7).statement);
    EXPECT_TRUE(win().txtProbRaspuns(3).Visible());
    EXPECT_FALSE(win().txtProbRaspuns(4).Visible());
    for (tk::Control* c : win().tabOrder())
        EXPECT_GE(c->Height(), 24) << c->name() << c->index();
}

TEST_F(ProblemsWindow, VerificaJudgesEachBoxAndIndiciuNamesTheLawOfTheMissedOnes) {
    win().txtProbRaspuns(0).setText(answerText(0));
    win().txtProbRaspuns(1).setText(answerText(1, 1.03));
    win().txtProbRaspuns(2).setText("x");
    EXPECT_FALSE(win().cmdProbIndiciu.Enabled());
    win().cmdProbVerifica.click();
    EXPECT_EQ(verdicts(), (std::vector<std::string>{"Corect", "Aproape: 3,0 %", "", ""}));
    ASSERT_EQ(platform.refusals.size(), 1U);
    EXPECT_EQ(platform.refusals[0].box, &win().txtProbRaspuns(2));
    ASSERT_TRUE(win().cmdProbIndiciu.Enabled());
    win().cmdProbIndiciu.click();
    const std::string hint = win().lblProbIndiciu.Caption();
    EXPECT_EQ(hint.find(problem().answers[0].hint), std::string::npos);
    EXPECT_NE(hint.find(problem().answers[1].hint), std::string::npos);
}

TEST_F(ProblemsWindow, RezolvareWritesTheSolutionBesideThePupilsAnswers) {
    win().txtProbRaspuns(1).setText("1,5");
    win().cmdProbRezolvare.click();
    const std::string given = win().lblProbRezolvare(0).Caption();
    EXPECT_EQ(given.substr(0, 5), "Date:");
    std::string all;
    for (const auto& [index, line] : win().lblProbRezolvare)
        all += line->Caption() + "\n";
    EXPECT_NE(all.find("= " + answerText(1) + " m      (raspunsul tau: 1,5 m)"), std::string::npos)
        << all;
    EXPECT_NE(all.find("= " + answerText(3) + "°"), std::string::npos) << all;
}

TEST_F(ProblemsWindow, AnotherPupilOrVariantDrawsOtherNumbersAndABadNumberDrawsNone) {
    const std::string first = win().lblProbEnunt.Caption();
    win().cmdProbAlta.click();
    EXPECT_NE(win().lblProbEnunt.Caption(), first);
    EXPECT_EQ(win().lblProbEnunt.Caption(), drawn(exercise("1a"), "9B", 7, 1).statement);
    win().txtProbElev.setText("41");
    EXPECT_EQ(win().problem(), nullptr);
    win().cmdProbVerifica.click();
    ASSERT_EQ(platform.refusals.size(), 1U);
    EXPECT_EQ(platform.refusals[0].box, &win().txtProbElev);
}

TEST_F(ProblemsWindow, TallLayoutFitsThePhoneAndGivesTheWideOneBack) {
    const std::vector<Box> wide = placesOf(win());
    for (const auto& [room, width] : {std::pair{300, 360}, {388, 388}})
        expectFitsTall(win(), room, width);
    expectWideAgain(win(), wide, 900, 664);
}

TEST_F(ProblemsWindow, VeziInLaboratorFliesTheExerciseAtItsTarget) {
    const auto at = static_cast<tk::Integer>(indexOf("8a"));
    win().lstProbleme(at).click();
    win().cmdProbLaborator.click();
    ASSERT_TRUE(w.labWindow && w.labWindow->flying());
    const frmLab& lab = *w.labWindow;
    EXPECT_EQ(lab.txtLabUnghi.Text(), tk::GeneralNumber(problem().givens.angle, platform.locale()));
    EXPECT_EQ(lab.chkLabTinta.Value(), 1);
    EXPECT_EQ(lab.txtLabTintaD.Text(),
              tk::GeneralNumber(problem().givens.distance, platform.locale()));
    EXPECT_NEAR(lab.current()->flight.D, problem().givens.distance, 1e-9);
    EXPECT_EQ(w.notebook.history().size(), 1U);
}

// The worksheet and the key of exercises 1a, 1b and 2a for pupils 1 to 3 of 9B, by their text:
// each pupil's own numbers, a blank with its unit for each answer, the answers from the textbook's
// formulas, one worked solution per kind.
TEST(ProblemSheets, ThreePupilsGetASheetEachAndTheKeyTheirAnswers) {
    const tk::Locale ro = tk::Locale::romanian();
    const SheetRequest request{"9B", 3, {indexOf("1a"), indexOf("1b"), indexOf("2a")}};
    const tk::PrintedDocument sheets = worksheet(request, ro);
    ASSERT_EQ(sheets.pages.size(), 3U);
    EXPECT_EQ(sheets.fileName, "fisa-9B.pdf");
    for (int pupil = 1; pupil <= 3; ++pupil) {
        const auto& page = sheets.pages[static_cast<std::size_t>(pupil - 1)];
        ASSERT_EQ(page.size(), 2U + 3 * 2 + 4 + 4 + 5);
        EXPECT_EQ(page[0].text, "Fisa de lucru - clasa 9B, elevul " + std::to_string(pupil));
        EXPECT_EQ(page[2].text, "Exercitiul 1a: Bila de pe masa");
        EXPECT_EQ(page[3].text, drawn(exercise("1a"), "9B", pupil).statement);
        EXPECT_EQ(page[4].text, "Timpul de cadere: t = ________________ s");
        EXPECT_EQ(page[7].text, "Unghiul vitezei cu solul: β = ________________°");
    }
    const std::string html = tk::printedHtml(sheets);
    EXPECT_EQ(html.find("<h2>Fisa de lucru - clasa 9B, elevul 1</h2>"), 0U);
    EXPECT_NE(html.find("<h2 style=\"page-break-before: always\">Fisa de lucru - clasa 9B, elevul 3"),
              std::string::npos);

    const tk::PrintedDocument key = answerKey(request, ro);
    ASSERT_EQ(key.pages.size(), 2U);
    const auto& answers = key.pages[0];
    EXPECT_EQ(answers[0].text, "Barem - clasa 9B, elevii 1-3");
    ASSERT_EQ(answers.size(), 2U + 3 * 4);
    const Problem second = drawn(exercise("2a"), "9B", 2);
    const std::vector<double> h = byHand(second);
    auto r = [&](double v) { return threeDigits(v, ro); };
    EXPECT_EQ(answers[6].text, "Elevul 2");
    EXPECT_EQ(answers[9].text, "2a: tu = " + r(h[0]) + " s; T = " + r(h[1]) + " s; H = " + r(h[2]) +
                                   " m; D = " + r(h[3]) + " m; vv = " + r(h[4]) + " m/s");
    // One solution of each kind, pupil 1's: 1a's and 2a's, not 1b's.
    std::vector<std::string> headings, lines;
    for (const auto& [style, text] : key.pages[1])
        (style == tk::PrintedDocument::Style::Heading ? headings : lines).push_back(text);
    EXPECT_EQ(headings, (std::vector<std::string>{"Exercitiul 1a: Bila de pe masa, elevul 1",
                                                  "Exercitiul 2a: Sutul la poarta, elevul 1"}));
    const auto solved = solutionLines(drawn(exercise("2a"), "9B", 1), {}, ro);
    EXPECT_EQ(lines.back(), solved.back());
}

// "Fisa de lucru..." asks the class, the pupils and the exercises: the current one ticked, a
// count outside 1 to 40 refused, OK held back while none is ticked; Anuleaza prints nothing.
TEST_F(ProblemsWindow, FisaDeLucruAsksWhatToPrintAndPrintsOneSheetPerPupil) {
    win().lstProbleme(static_cast<tk::Integer>(indexOf("2a"))).click();
    int shown = 0;
    platform.whileModal = [&](tk::Form& form) {
        auto& choice = static_cast<frmFisa&>(form);
        std::vector<tk::Integer> ticked;
        for (const auto& [index, box] : choice.chkFisaExercitiu)
            if (box->Value())
                ticked.push_back(index);
        EXPECT_EQ(ticked, std::vector<tk::Integer>{static_cast<tk::Integer>(indexOf("2a"))});
        EXPECT_EQ(choice.txtFisaClasa.Text(), "9B");
        if (++shown == 2)
            return choice.cmdFisaAnuleaza.click();
        choice.txtFisaElevi.setText("41");
        choice.cmdFisaOK.click();
        EXPECT_EQ(platform.refusals.back().box, &choice.txtFisaElevi);
        choice.txtFisaElevi.setText("3");
        choice.cmdFisaNiciunul.click();
        EXPECT_FALSE(choice.cmdFisaOK.Enabled());
        choice.chkFisaExercitiu(static_cast<tk::Integer>(indexOf("1a"))).setValue(1);
        choice.cmdFisaOK.click();
    };
    win().cmdProbFisa.click();
    ASSERT_EQ(platform.printed.size(), 1U);
    EXPECT_EQ(platform.printed[0].pages.size(), 3U);
    EXPECT_EQ(platform.printed[0].pages[2][2].text, "Exercitiul 1a: Bila de pe masa");
    win().cmdProbBarem.click();
    EXPECT_EQ(shown, 2);
    EXPECT_EQ(platform.printed.size(), 1U);
}

// The pupil's answers, judged or not, and the variant chosen come back in a window made anew on
// the same settings, as after a restart; an answer written again loses its verdict; "Sterge
// progresul" forgets them once the question is answered "Da".
TEST_F(ProblemsWindow, AnswersAndVerdictsComeBackAfterARestartUntilTheProgressIsCleared) {
    win().txtProbRaspuns(0).setText(answerText(0));
    win().txtProbRaspuns(1).setText(answerText(1, 1.03));
    win().cmdProbVerifica.click();
    win().txtProbRaspuns(2).setText("1|2%"); // not judged, kept as written
    win().lstProbleme(static_cast<tk::Integer>(indexOf("3a"))).click();
    win().cmdProbAlta.click();
    const std::string variant = win().lblProbEnunt.Caption();
    win().txtProbRaspuns(0).setText("5");

    auto reopened = [&] {
        auto again = std::make_unique<frmmain>(platform);
        again->Load(platform.clock);
        again->mnuprob.click();
        return again;
    };
    auto again = reopened();
    frmProbleme& back = *again->problemsWindow;
    EXPECT_EQ(back.txtProbElev.Text(), "7");
    EXPECT_EQ(back.lblProbEnunt.Caption(), variant);
    EXPECT_EQ(back.txtProbRaspuns(0).Text(), "5");
    back.lstProbleme(0).click();
    EXPECT_EQ(back.txtProbRaspuns(2).Text(), "1|2%");
    EXPECT_EQ(back.lblProbVerdict(0).Caption(), "Corect");
    EXPECT_EQ(back.lblProbVerdict(1).Caption(), "Aproape: 3,0 %");
    EXPECT_TRUE(back.cmdProbIndiciu.Enabled());
    back.txtProbRaspuns(1).setText(answerText(1));
    EXPECT_EQ(back.lblProbVerdict(1).Caption(), "");

    back.cmdProbSterge.click(); // "Nu"
    platform.yes = true;
    back.cmdProbSterge.click();
    EXPECT_EQ(platform.questions.size(), 2U);
    EXPECT_EQ(back.txtProbRaspuns(0).Text(), "");
    again = reopened();
    EXPECT_EQ(again->problemsWindow->txtProbRaspuns(0).Text(), "");
    again->problemsWindow->lstProbleme(static_cast<tk::Integer>(indexOf("3a"))).click();
    EXPECT_EQ(again->problemsWindow->lblProbEnunt.Caption(), drawn(exercise("3a"), "9B", 7).statement);
}

struct KeptCase : Row {
    const char* key;
    const char* value;
};

class DamagedProgress : public WindowTest, public ::testing::WithParamInterface<KeptCase> {};

// A value damaged or written by something else is taken as none: pupil 1 of 9B, exercise 1a,
// its first variant, no answers.
TEST_P(DamagedProgress, IsIgnored) {
    platform.kept.setValue(GetParam().key, GetParam().value);
    w.mnuprob.click();
    const frmProbleme& win = *w.problemsWindow;
    EXPECT_EQ(win.lblProbEnunt.Caption(), drawn(exercise("1a"), "9B", 1, 0, tk::Locale::c()).statement);
    for (tk::Integer i = 0; i < frmProbleme::mostAnswers; ++i)
        EXPECT_EQ(win.txtProbRaspuns(i).Text() + win.lblProbVerdict(i).Caption(), "");
}

INSTANTIATE_TEST_SUITE_P(
    , DamagedProgress,
    ::testing::Values(KeptCase{{"PupilPastForty"}, "probleme/elev", "41"},
                      KeptCase{{"PupilNotANumber"}, "probleme/elev", "7x"},
                      KeptCase{{"ClassWithAControlCharacter"}, "probleme/clasa", "9\x01"},
                      KeptCase{{"AnExerciseNotInTheBank"}, "probleme/exercitiu", "11a"},
                      KeptCase{{"ANegativeVariant"}, "probleme/varianta/1a", "-1"},
                      KeptCase{{"AVariantTooLarge"}, "probleme/varianta/1a", "1000"},
                      KeptCase{{"AnotherFormat"}, "probleme/raspunsuri/9B/1/1a/0", "2|1111|1|2|3|4"},
                      KeptCase{{"TooFewAnswers"}, "probleme/raspunsuri/9B/1/1a/0", "1|11|1|2"},
                      KeptCase{{"AMarkNotZeroOrOne"}, "probleme/raspunsuri/9B/1/1a/0", "1|1x11|1|2|3|4"},
                      KeptCase{{"ABadEscape"}, "probleme/raspunsuri/9B/1/1a/0", "1|1111|%zz|2|3|4"}),
    rowName);

} // namespace
} // namespace lopena::testing
