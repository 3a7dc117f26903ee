#include "simulation/RoundX.h"
#include "toolkit/NumberParsing.h"
#include "toolkit/NumberText.h"
#include "toolkit/Precision.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>

namespace {

using tk::Locale;

struct ValCase {
    const char* name;
    const char* text;
    double expected;
};

class ValTest : public ::testing::TestWithParam<ValCase> {};

TEST_P(ValTest, ReadsTheLeadingNumber) {
    const ValCase& c = GetParam();
    EXPECT_DOUBLE_EQ(tk::Val(c.text), c.expected) << '"' << c.text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    LeadingNumberRule, ValTest,
    ::testing::Values(
        ValCase{"plain", "9.806", 9.806}, ValCase{"comma_stops", "9,81", 9},
        ValCase{"empty", "", 0}, ValCase{"letters", "abc", 0},
        ValCase{"letters_after", "12abc", 12}, ValCase{"inner_blanks", " 1 2 . 5 ", 12.5},
        ValCase{"tabs_and_line_feeds", "\t4\n2", 42}, ValCase{"minus", "-9.806", -9.806},
        ValCase{"plus", "+3", 3}, ValCase{"lone_minus", "-", 0},
        ValCase{"leading_point", ".5", 0.5}, ValCase{"trailing_point", "7.", 7},
        ValCase{"second_point_stops", "1.2.3", 1.2}, ValCase{"exponent", "1e3", 1000},
        ValCase{"exponent_d", "2.5D2", 250}, ValCase{"exponent_negative", "25E-1", 2.5},
        ValCase{"exponent_without_digits", "3e", 3}, ValCase{"exponent_sign_only", "3e+", 3},
        ValCase{"hex", "&H1F", 31}, ValCase{"hex_16_bit_wraps", "&HFFFF", -1},
        ValCase{"hex_32_bit", "&H10000", 65536}, ValCase{"hex_32_bit_wraps", "&HFFFFFFFF", -1},
        ValCase{"octal", "&O17", 15}, ValCase{"octal_wraps", "&O177777", -1},
        ValCase{"hex_without_digits", "&H", 0}, ValCase{"ampersand_alone", "&", 0},
        ValCase{"underflow", "1e-400", 0}, ValCase{"scroll_bar_text", " 73", 73}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ValTest, MagnitudeBeyondADoubleIsInfinite) {
    EXPECT_TRUE(std::isinf(tk::Val("1e400")));
    EXPECT_LT(tk::Val("-1e400"), 0);
    EXPECT_TRUE(std::isinf(tk::Val("123456789e99999999999999999999")));
}

struct NumericCase {
    const char* name;
    const char* text;
    bool inC;
    bool inRomanian;
};

class IsNumericTest : public ::testing::TestWithParam<NumericCase> {};

TEST_P(IsNumericTest, FollowsTheLocale) {
    const NumericCase& c = GetParam();
    EXPECT_EQ(tk::IsNumeric(c.text, Locale::c()), c.inC) << '"' << c.text << "\" in C";
    EXPECT_EQ(tk::IsNumeric(c.text, Locale::romanian()), c.inRomanian)
        << '"' << c.text << "\" in ro";
}

INSTANTIATE_TEST_SUITE_P(
    NumericTest, IsNumericTest,
    ::testing::Values(
        NumericCase{"integer", "45", true, true}, NumericCase{"blanks_around", " 73 ", true, true},
        NumericCase{"point", "2.5", true, true /* thousands point */},
        NumericCase{"comma", "2,5", true /* thousands comma */, true},
        NumericCase{"grouped", "1,000", true, true}, NumericCase{"empty", "", false, false},
        NumericCase{"blank", "  ", false, false}, NumericCase{"lone_minus", "-", false, false},
        NumericCase{"lone_point", ".", false, true == false},
        NumericCase{"lone_comma", ",", false, false}, NumericCase{"letter", "a", false, false},
        NumericCase{"trailing_letter", "12a", false, false},
        NumericCase{"exponent", "1e3", true, true}, NumericCase{"bad_exponent", "1e", false, false},
        NumericCase{"negative", "-5", true, true}, NumericCase{"hex", "&H1F", true, true},
        NumericCase{"bad_hex", "&HG", false, false},
        NumericCase{"inner_blank", "1 2", false, false},
        NumericCase{"beyond_double", "1e400", false, false},
        NumericCase{"tiny", "1e-400", true, true}),
    [](const auto& info) { return std::string(info.param.name); });

struct GeneralCase {
    const char* name;
    double value;
    const char* c;
    const char* romanian;
};

class GeneralNumberTest : public ::testing::TestWithParam<GeneralCase> {};

TEST_P(GeneralNumberTest, ShowsAtMost15Digits) {
    const GeneralCase& c = GetParam();
    EXPECT_EQ(tk::GeneralNumber(c.value, Locale::c()), c.c);
    EXPECT_EQ(tk::GeneralNumber(c.value, Locale::romanian()), c.romanian);
}

INSTANTIATE_TEST_SUITE_P(
    GeneralNumberText, GeneralNumberTest,
    ::testing::Values(
        GeneralCase{"whole", 25, "25", "25"}, GeneralCase{"zero", 0, "0", "0"},
        GeneralCase{"negative_zero", -0.0, "0", "0"},
        GeneralCase{"component", 35.35533905932738, "35.3553390593274", "35,3553390593274"},
        GeneralCase{"rounded", 7.21, "7.21", "7,21"},
        GeneralCase{"no_trailing_zeros", 7.2, "7.2", "7,2"},
        GeneralCase{"negative", -254.946, "-254.946", "-254,946"},
        GeneralCase{"clock", 6.710960388183594, "6.71096038818359", "6,71096038818359"},
        GeneralCase{"small_clock", 0.210960388183594, "0.210960388183594", "0,210960388183594"},
        GeneralCase{"exponent_15", 1e15, "1E+15", "1E+15"},
        GeneralCase{"below_exponent_15", 999999999999999, "999999999999999", "999999999999999"},
        GeneralCase{"rounds_up_to_15", 999999999999999.9, "1E+15", "1E+15"},
        GeneralCase{"exponent_minus_5", 1e-5, "1E-05", "1E-05"},
        GeneralCase{"fraction_minus_4", 0.0001, "0.0001", "0,0001"},
        GeneralCase{"mantissa", 1.5e300, "1.5E+300", "1,5E+300"},
        GeneralCase{"negative_exponent", -2.5e-7, "-2.5E-07", "-2,5E-07"},
        GeneralCase{"large_whole", 123456789012345, "123456789012345", "123456789012345"}),
    [](const auto& info) { return std::string(info.param.name); });

struct PatternCase {
    const char* name;
    double value;
    const char* c;
};

class PatternTest : public ::testing::TestWithParam<PatternCase> {};

TEST_P(PatternTest, TwoDigitsEachSide) {
    const PatternCase& c = GetParam();
    EXPECT_EQ(tk::FormatTwoByTwo(c.value, Locale::c()), c.c);
}

INSTANTIATE_TEST_SUITE_P(Pattern0Hash00, PatternTest,
                         ::testing::Values(PatternCase{"one_digit", 8, "08.00"},
                                           PatternCase{"three_digits", 123.456, "123.46"},
                                           PatternCase{"zero", 0, "00.00"},
                                           PatternCase{"negative", -5, "-05.00"},
                                           PatternCase{"negative_rounds_to_zero", -0.001, "00.00"},
                                           PatternCase{"exact_half_to_even", 0.125, "00.12"},
                                           PatternCase{"large", 1025.3, "1025.30"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PatternTest, UsesTheLocaleSeparator) {
    EXPECT_EQ(tk::FormatTwoByTwo(63.736, Locale::romanian()), "63,74");
}

TEST(ScrollBarTextTest, BlankBeforeZeroAndPositive) {
    EXPECT_EQ(tk::ScrollBarText(45), " 45");
    EXPECT_EQ(tk::ScrollBarText(0), " 0");
    EXPECT_EQ(tk::ScrollBarText(-3), "-3");
    EXPECT_EQ(tk::ScrollBarText(32767), " 32767");
    EXPECT_EQ(tk::ScrollBarText(-32768), "-32768");
}

TEST(PrecisionTest, IntegerRoundsHalfToEven) {
    EXPECT_EQ(tk::ToInteger(12.5), 12);
    EXPECT_EQ(tk::ToInteger(13.5), 14);
    EXPECT_EQ(tk::ToInteger(-2.5), -2);
    EXPECT_EQ(tk::ToInteger(254.99998), 255);
    EXPECT_EQ(tk::ToInteger(32767.4), 32767);
    EXPECT_FALSE(tk::ToInteger(32767.5));
    EXPECT_EQ(tk::ToInteger(-32768.5), -32768);
    EXPECT_FALSE(tk::ToInteger(-32768.6));
    EXPECT_FALSE(tk::ToInteger(NAN));
}

TEST(PrecisionTest, SingleOverflowsOnlyWhereRoundingGivesInfinity) {
    EXPECT_EQ(tk::ToSingle(7.210960388183594), 7.210960388183594F);
    EXPECT_EQ(tk::ToSingle(FLT_MAX), FLT_MAX);
    EXPECT_EQ(tk::ToSingle(0x1.fffffefp127), FLT_MAX); // just under the halfway point
    EXPECT_FALSE(tk::ToSingle(0x1.ffffffp127));
    EXPECT_FALSE(tk::ToSingle(-1e39));
    EXPECT_FALSE(tk::ToSingle(INFINITY));
    EXPECT_FALSE(tk::ToSingle(NAN));
    EXPECT_EQ(tk::ToSingle(1e-50), 0.0F);
}

struct RoundCase {
    const char* name;
    double value;
    tk::Integer decimals;
    double expected;
};

class RoundXTest : public ::testing::TestWithParam<RoundCase> {};

TEST_P(RoundXTest, HalvesOfTheExactDoubleGoToEven) {
    const RoundCase& c = GetParam();
    EXPECT_EQ(lopena::RoundX(c.value, c.decimals), c.expected);
}

INSTANTIATE_TEST_SUITE_P(RoundX, RoundXTest,
                         ::testing::Values(RoundCase{"exact_half_down", 0.125, 2, 0.12},
                                           RoundCase{"exact_half_up", 0.375, 2, 0.38},
                                           RoundCase{"just_below_half", 1.005, 2, 1},
                                           RoundCase{"just_above_half", 2.345, 2, 2.35},
                                           RoundCase{"time", 7.210960298, 2, 7.21},
                                           RoundCase{"distance", 254.94619, 3, 254.946},
                                           RoundCase{"negative_half", -0.125, 2, -0.12},
                                           RoundCase{"whole", 12.0004, 3, 12}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
