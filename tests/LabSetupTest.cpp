#include "laboratory/LabSetup.h"
#include "laboratory/frmLabCod.h"
#include "support/WindowFixture.h"
#include "toolkit/NumberParsing.h"
#include "toolkit/Random.h"

#include <cstdint>
#include <variant>

namespace lopena::testing {
namespace {

LabSetup made(double v0, double angle, double h0, double g, physics::Medium medium, int body = 0) {
    LabSetup s;
    s.launch.v0 = v0;
    s.launch.angle = angle;
    s.launch.h0 = h0;
    s.launch.g = g;
    s.launch.medium = medium;
    s.body = body;
    s.launch.mass = 0.057;
    s.launch.diameter = 0.067;
    s.launch.cd = 0.55;
    return s;
}

std::string refusal(const std::string& code) {
    const auto decoded = decodeSetup(code);
    return std::holds_alternative<std::string>(decoded) ? std::get<std::string>(decoded) : "decoded";
}

struct SetupCase : Row {
    LabSetup setup;
};

LabSetup extremes(bool top) {
    LabSetup s = made(top ? 1e8 : 1e-6, top ? 90 : -90, top ? 1e8 : 1e-300, top ? 1e6 : 1e-6,
                      physics::Medium::QuadraticDrag, top ? 4 : 2);
    s.launch.k = top ? 1e3 : 1e-9;
    s.launch.mass = top ? 1e9 : 1e-9;
    s.launch.diameter = top ? 1e3 : 1e-6;
    s.launch.cd = top ? 10 : 1e-3;
    s.targetCentre = top ? 1e9 : 0;
    s.targetWidth = top ? 1e9 : 5e-324;
    s.vectors = s.ghost = s.predict = s.energy = s.drop = s.target = s.slow = top;
    return s;
}

LabSetup withTicks(int bit) {
    LabSetup s = made(20, 45, 0, 9.81, physics::Medium::LinearDrag, 3);
    bool* ticks[] = {&s.vectors, &s.ghost, &s.predict, &s.energy, &s.drop, &s.target, &s.slow};
    *ticks[bit] = true;
    return s;
}

class SetupCodes : public ::testing::TestWithParam<SetupCase> {};

// Every field comes back to the last bit; the code stays short and safe in an address.
TEST_P(SetupCodes, ComeBackWhole) {
    const LabSetup& s = GetParam().setup;
    ASSERT_EQ(checkSetup(s), std::nullopt);
    const std::string code = encodeSetup(s);
    EXPECT_EQ(code.rfind("L1-", 0), 0U);
    EXPECT_EQ(code.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_"),
              std::string::npos);
    EXPECT_LE(code.size(), GetParam().name == std::string("start") ? 40U : 160U);
    const auto back = decodeSetup(code);
    ASSERT_TRUE(std::holds_alternative<LabSetup>(back)) << std::get<std::string>(back);
    EXPECT_TRUE(std::get<LabSetup>(back) == s);
}

INSTANTIATE_TEST_SUITE_P(
    Lab, SetupCodes,
    ::testing::Values(SetupCase{{"start"}, made(20, 45, 0, 9.81, physics::Medium::Vacuum)},
                      SetupCase{{"lowest"}, extremes(false)}, SetupCase{{"highest"}, extremes(true)},
                      SetupCase{{"longDigits"}, made(0.1 + 0.2, 1.0 / 3, 2.0 / 3, 9.80665, physics::Medium::LinearDrag, 1)},
                      SetupCase{{"vectors"}, withTicks(0)}, SetupCase{{"ghost"}, withTicks(1)},
                      SetupCase{{"predict"}, withTicks(2)}, SetupCase{{"energy"}, withTicks(3)},
                      SetupCase{{"drop"}, withTicks(4)}, SetupCase{{"target"}, withTicks(5)},
                      SetupCase{{"slow"}, withTicks(6)},
                      SetupCase{{"moonFromHeight"}, made(7.5, -30, 12.25, 1.62, physics::Medium::Vacuum, 4)}),
    rowName);

// A code built byte by byte, its check written as the program writes it or left wrong.
std::string codeOf(std::vector<std::uint8_t> bytes, bool checked) {
    std::uint32_t hash = 2166136261U;
    for (std::uint8_t b : bytes)
        hash = (hash ^ b) * 16777619U;
    hash += checked ? 0 : 1;
    for (int shift = 24; shift >= 0; shift -= 8)
        bytes.push_back(static_cast<std::uint8_t>(hash >> shift));
    static const char* abc = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_";
    std::string text = "L1-";
    std::uint32_t buffer = 0;
    int bits = 0;
    for (std::size_t i = 1; i < bytes.size(); ++i) // the version byte is the prefix's
        for (buffer = buffer << 8 | bytes[i], bits += 8; bits >= 6; bits -= 6)
            text += abc[(buffer >> (bits - 6)) & 63U];
    if (bits > 0)
        text += abc[(buffer << (6 - bits)) & 63U];
    return text;
}

// The numbers 20 45 0 9.81 0.1 0.057 0.067 0.55 30 6, in 4-bit signs, 15 after each.
std::vector<std::uint8_t> startBytes(std::uint8_t choices, std::uint8_t speedDigit) {
    return {1, choices, 0, static_cast<std::uint8_t>(speedDigit << 4), 0xF4, 0x5F, 0x0F, 0x9A, 0x81,
            0xF0, 0xA1, 0xF0, 0xA0, 0x57, 0xF0, 0xA0, 0x67, 0xF0, 0xA5, 0x5F, 0x30, 0xF6, 0xFF};
}

struct Refused : Row {
    std::string code, message;
};

class RefusedCodes : public ::testing::TestWithParam<Refused> {};

TEST_P(RefusedCodes, SayWhy) {
    EXPECT_EQ(refusal(GetParam().code), "Codul nu este valid: " + GetParam().message);
}

const std::string good = encodeSetup(made(20, 45, 0, 9.81, physics::Medium::Vacuum));
const char* const damaged = "este incomplet sau schimbat. Copiati-l din nou, intreg.";

INSTANTIATE_TEST_SUITE_P(
    Lab, RefusedCodes,
    ::testing::Values(
        Refused{{"blank"}, "  ", "caseta este goala. Lipiti un cod care incepe cu L1-."},
        Refused{{"foreign"}, "X1-" + good.substr(3), "un cod al Laboratorului incepe cu L1-."},
        Refused{{"noPrefix"}, good.substr(3), "un cod al Laboratorului incepe cu L1-."},
        Refused{{"newerVersion"}, "L2-" + good.substr(3), "a fost facut de o alta versiune a programului."},
        Refused{{"strangeSign"}, good.substr(0, 8) + "*" + good.substr(9),
                "are semne care nu pot fi intr-un cod. Copiati-l din nou, intreg."},
        Refused{{"changedSign"}, good.substr(0, 8) + (good[8] == 'Q' ? "R" : "Q") + good.substr(9), damaged},
        Refused{{"truncated"}, good.substr(0, good.size() - 3), damaged},
        Refused{{"onlyPrefix"}, "L1-", damaged},
        Refused{{"lengthened"}, good + "AAAA", damaged},
        Refused{{"wellFormedButUnchecked"}, codeOf(startBytes(0, 2), false), damaged},
        Refused{{"speedZeroChecked"}, codeOf(startBytes(0, 0), true),
                "Viteza de lansare trebuie sa fie pozitiva: cel putin 0,000001 m/s si cel mult "
                "100\u00A0000\u00A0000 m/s."},
        Refused{{"noSuchMedium"}, codeOf(startBytes(3, 2), true),
                "mediul, corpul sau ritmul nu exista in Laborator."},
        Refused{{"noSuchBody"}, codeOf(startBytes(5 << 2, 2), true),
                "mediul, corpul sau ritmul nu exista in Laborator."}),
    rowName);

TEST(LabSetupCode, WellFormedBytesDecodeToTheStart) {
    // The hand-built bytes are right: only the speed and the check make them refuse.
    EXPECT_EQ(codeOf(startBytes(0, 2), true), good);
    EXPECT_TRUE(std::holds_alternative<LabSetup>(decodeSetup(" file:///e/lopena.html#" + good + "\n")));
}

// Random changes of valid codes: never a crash; what decodes can be used.
TEST(LabSetupCode, MutatedCodesRefuseOrDecodeToAUsableSetup) {
    tk::Random random(7);
    const std::string codes[] = {good, encodeSetup(extremes(true)), encodeSetup(extremes(false))};
    const std::string signs = "ABZaz09-_*#L1 ";
    int decoded = 0;
    for (int round = 0; round < 3000; ++round) {
        std::string code = codes[round % 3];
        auto at = [&](std::size_t size) { return static_cast<std::size_t>(random.next() * static_cast<float>(size)); };
        for (int change = 0; change <= round % 3; ++change) {
            const std::size_t where = at(code.size());
            const char sign = signs[at(signs.size())];
            switch (round % 4) {
            case 0: code[where] = sign; break;
            case 1: code.erase(where, 1); break;
            case 2: code.insert(where, 1, sign); break;
            default: code.resize(where); break;
            }
        }
        const auto result = decodeSetup(code);
        if (const auto* s = std::get_if<LabSetup>(&result)) {
            ++decoded;
            EXPECT_EQ(checkSetup(*s), std::nullopt) << code;
        }
    }
    EXPECT_LT(decoded, 100);
}

// The Laborator opened from the main window's menu, in a Romanian locale, on the virtual clock.
class LabSetupTest : public WindowTest {
protected:
    LabSetupTest() : WindowTest(tk::Locale::romanian()) { w.mnulab.click(); }
    frmLab& lab() { return *w.labWindow; }
    void fly() {
        for (int ms = 0; ms < 60000 && lab().flying(); ms += 50)
            platform.clock.advance(50);
    }
    std::vector<std::string> boxes() {
        frmLab& l = lab();
        return {l.txtLabViteza.Text(), l.txtLabUnghi.Text(), l.txtLabInaltime.Text(), l.txtLabGrav.Text(),
                l.txtLabK.Text(), l.txtLabMasa.Text(), l.txtLabDiametru.Text(), l.txtLabCd.Text(),
                l.txtLabTintaD.Text(), l.txtLabTintaL.Text(),
                std::to_string(l.optLabMediu(2).Value()) + std::to_string(l.optLabCorp(3).Value()) +
                    std::to_string(l.optLabRitm(1).Value()) + std::to_string(l.chkLabTinta.Value()) +
                    std::to_string(l.chkLabCadere.Value()) + std::to_string(l.chkLabEnergie.Value())};
    }
};

LabSetup sample() {
    LabSetup s = made(12.5, 30, 20, 1.62, physics::Medium::QuadraticDrag, 3);
    s.launch.mass = 0.6;
    s.launch.diameter = 0.24;
    s.launch.cd = 0.47;
    s.target = s.drop = s.energy = s.slow = true;
    s.targetCentre = 18.5;
    return s;
}

TEST_F(LabSetupTest, AppliedSetupReadsBackTheSame) {
    ASSERT_EQ(lab().openCode(encodeSetup(sample())), std::nullopt);
    EXPECT_EQ(boxes(), (std::vector<std::string>{"12,5", "30", "20", "1,62", "0,1", "0,6", "0,24",
                                                 "0,47", "18,5", "6", "111111"}));
    std::string why;
    const auto back = lab().setup(why);
    ASSERT_TRUE(back) << why;
    EXPECT_TRUE(*back == sample());
}

TEST_F(LabSetupTest, RefusedCodeChangesNothing) {
    const auto before = boxes();
    EXPECT_EQ(lab().openCode("L1-AAAA"), "Codul nu este valid: " + std::string(damaged));
    EXPECT_EQ(boxes(), before);
}

TEST_F(LabSetupTest, DialogShowsCopiesAndOpensCodes) {
    platform.address = "file:///e/lopena.html";
    const std::string code = encodeSetup(sample());
    platform.whileModal = [&](tk::Form& form) {
        auto& d = dynamic_cast<frmLabCod&>(form);
        EXPECT_EQ(d.txtLabCod.Text(), good);
        EXPECT_EQ(d.txtLabCodLegatura.Text(), "file:///e/lopena.html#" + good);
        d.cmdLabCodCopiaza.click();
        d.txtLabCod.setText("L1-AAAA");
        d.cmdLabCodDeschide.click();
        EXPECT_EQ(d.lblLabCodMesaj.Caption(), "Codul nu este valid: " + std::string(damaged));
        EXPECT_TRUE(d.loaded());
        d.txtLabCod.setText(code);
        d.cmdLabCodDeschide.click();
    };
    lab().cmdLabCod.click();
    EXPECT_EQ(platform.copied, std::vector<std::string>{good});
    std::string why;
    EXPECT_TRUE(*lab().setup(why) == sample());
}

TEST_F(LabSetupTest, UnreadableBoxIsToldInsteadOfACode) {
    lab().txtLabViteza.setText("abc");
    platform.whileModal = [&](tk::Form& form) {
        auto& d = dynamic_cast<frmLabCod&>(form);
        EXPECT_EQ(d.txtLabCod.Text(), "");
        EXPECT_EQ(d.lblLabCodMesaj.Caption(), "Codul nu se poate scrie: Scrieti un numar.");
    };
    lab().cmdLabCod.click();
}

TEST_F(LabSetupTest, OpenLabTellsARefusal) {
    EXPECT_TRUE(w.openLab("L9-AAAA"));
    EXPECT_EQ(platform.errors, std::vector<std::string>{
                                   "Codul nu este valid: a fost facut de o alta versiune a programului."});
}

// Kept between runs: a second main window on the same settings, as the next start.
TEST_F(LabSetupTest, BoxesComeBackAtTheNextStart) {
    lab().optLabMediu(2).click();
    lab().txtLabViteza.setText("33");
    w.restoreInputs();
    w.txtUnghi.setText("60");
    w.txtgrav.setText("1.62");
    frmmain next(platform);
    next.Load(platform.clock);
    EXPECT_EQ(next.txtUnghi.Text(), "45");
    next.restoreInputs();
    EXPECT_EQ(std::vector<std::string>({next.txtViteza.Text(), next.txtUnghi.Text(), next.txtRaza.Text(),
                                         next.txtgrav.Text()}),
              (std::vector<std::string>{"50", "60", "9", "1.62"}));
    next.mnulab.click();
    EXPECT_EQ(next.labWindow->txtLabViteza.Text(), "33");
    EXPECT_TRUE(next.labWindow->optLabMediu(2).Value());
}

TEST_F(LabSetupTest, DamagedKeptValuesAreLeftOut) {
    platform.kept.setValue(frmLab::keptKey, good.substr(0, 10));
    platform.kept.setValue("principal/viteza", "abc");
    platform.kept.setValue("principal/unghi", "95");
    platform.kept.setValue("principal/raza", "20");
    frmmain next(platform);
    next.Load(platform.clock);
    next.restoreInputs();
    EXPECT_EQ(std::vector<std::string>({next.txtViteza.Text(), next.txtUnghi.Text(), next.txtRaza.Text()}),
              (std::vector<std::string>{"50", "45", "20"}));
    next.mnulab.click();
    EXPECT_EQ(next.labWindow->txtLabViteza.Text(), "20");
}

struct RoundCase : Row {
    const char *speed, *height, *gravity;
    int medium;
};

class LabRounds : public LabSetupTest, public ::testing::WithParamInterface<RoundCase> {};

// Every new place is within 30 % to 95 % of the longest throw of the boxes.
TEST_P(LabRounds, PutTheTargetWithinReach) {
    const RoundCase& c = GetParam();
    lab().txtLabViteza.setText(c.speed);
    lab().txtLabInaltime.setText(c.height);
    lab().txtLabGrav.setText(c.gravity);
    lab().optLabMediu(c.medium).click();
    auto launch = lab().readLaunch(false);
    ASSERT_TRUE(launch);
    const double longest = physics::bestAngle(*launch)->D;
    lab().seedRounds(11);
    for (int round = 0; round < 25; ++round) {
        lab().cmdLabRunda.click();
        const double centre = tk::Val(lab().txtLabTintaD.Text());
        EXPECT_GE(centre, 0.30 * longest);
        EXPECT_LE(centre, 0.95 * longest);
    }
    EXPECT_EQ(lab().chkLabTinta.Value(), 1);
    EXPECT_EQ(lab().lblLabRunda.Caption(), "Runda: 0 aruncari, 0 stele");
}

INSTANTIATE_TEST_SUITE_P(Lab, LabRounds,
                         ::testing::Values(RoundCase{{"earth"}, "20", "0", "9,81", 0},
                                           RoundCase{{"moon"}, "20", "0", "1,62", 0},
                                           RoundCase{{"moonFromHeight"}, "5", "30", "1,62", 0},
                                           RoundCase{{"linearAir"}, "40", "0", "9,81", 1},
                                           RoundCase{{"quadraticAir"}, "60", "2", "9,81", 2}),
                         rowName);

// 20 m/s at 45 degrees lands at 400 / 9.81 = 40.775 m: 1.225 m from 42 (2 stars of a 6 m target),
// 9.225 m from 50 (none).
TEST_F(LabSetupTest, RoundCountsThrowsAndStars) {
    lab().txtLabTintaD.setText("42");
    lab().chkLabTinta.setValue(1);
    EXPECT_EQ(lab().lblLabRunda.Caption(), "Runda: 0 aruncari, 0 stele");
    for (const char* expected : {"Runda: 1 aruncare, 2 stele", "Runda: 2 aruncari, 4 stele"}) {
        lab().cmdLabStart.click();
        fly();
        EXPECT_EQ(lab().lblLabRunda.Caption(), expected);
    }
    lab().txtLabTintaD.setText("50");
    lab().cmdLabStart.click();
    fly();
    EXPECT_EQ(lab().lblLabRunda.Caption(), "Runda: 1 aruncare, 0 stele");
    lab().cmdLabRunda.click();
    EXPECT_EQ(lab().lblLabRunda.Caption(), "Runda: 0 aruncari, 0 stele");
    lab().chkLabTinta.setValue(0);
    EXPECT_FALSE(lab().lblLabRunda.Visible());
}

} // namespace
} // namespace lopena::testing
