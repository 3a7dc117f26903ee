#include "simulation/RoundX.h"
#include "support/Table.h"
#include "toolkit/NumberParsing.h"
#include "toolkit/NumberText.h"
#include "toolkit/Precision.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <optional>

namespace {

using namespace lopena::testing;
using tk::Locale;

// The leading number of a text, and whether the whole text is a number a double can hold.
struct Reading : Row {
    const char* text;
    double value;
    bool numeric;
};

class ReadingTest : public ::testing::TestWithParam<Reading> {};

TEST_P(ReadingTest, FollowsTheLeadingNumberRule) {
    const Reading& c = GetParam();
    EXPECT_EQ(tk::Val(c.text), c.value) << '"' << c.text << '"';
    EXPECT_EQ(tk::IsNumeric(c.text), c.numeric) << '"' << c.text << '"';
}

constexpr double inf = std::numeric_limits<double>::infinity();
const std::string hexTooLong = "&H" + std::string(300, 'F');

INSTANTIATE_TEST_SUITE_P(
    Numbers, ReadingTest,
    ::testing::Values(
        Reading{"plain", "9.806", 9.806, true}, Reading{"integer", "45", 45, true},
        Reading{"decimal_comma", "9,81", 9.81, true}, Reading{"no_grouping", "1,000", 1, true},
        Reading{"empty", "", 0, false}, Reading{"blank", "  ", 0, false},
        Reading{"letters", "abc", 0, false}, Reading{"letters_after", "12abc", 12, false},
        Reading{"blanks_around", " 73 ", 73, true}, Reading{"scroll_bar_text", " 73", 73, true},
        Reading{"inner_blanks", " 1 2 . 5 ", 12.5, false}, Reading{"inner_blank", "1 2", 12, false},
        Reading{"tabs_and_line_feeds", "\t4\n2", 42, false},
        Reading{"minus", "-9.806", -9.806, true}, Reading{"plus", "+3", 3, true},
        Reading{"lone_minus", "-", 0, false}, Reading{"lone_point", ".", 0, false},
        Reading{"lone_comma", ",", 0, false}, Reading{"leading_point", ".5", 0.5, true},
        Reading{"trailing_point", "7.", 7, true}, Reading{"trailing_comma", "2,", 2, true},
        Reading{"second_point_stops", "1.2.3", 1.2, false},
        Reading{"second_comma_stops", "1,2,3", 1.2, false},
        Reading{"point_is_no_grouping", "1.000", 1, true},
        Reading{"leading_comma", ",5", 0.5, true}, Reading{"comma_and_exponent", "2,5E1", 25, true},
        Reading{"hex_too_long_for_a_double", hexTooLong.c_str(), 0, false},
        Reading{"exponent", "1e3", 1000, true}, Reading{"exponent_d", "2.5D2", 250, true},
        Reading{"exponent_negative", "25E-1", 2.5, true},
        Reading{"exponent_without_digits", "3e", 3, false},
        Reading{"exponent_sign_only", "3e+", 3, false}, Reading{"hex", "&H1F", 31, true},
        Reading{"hex_16_bit_wraps", "&HFFFF", -1, true},
        Reading{"hex_32_bit", "&H10000", 65536, true},
        Reading{"hex_32_bit_wraps", "&HFFFFFFFF", -1, true}, Reading{"octal", "&O17", 15, true},
        Reading{"octal_wraps", "&O177777", -1, true}, Reading{"bad_hex", "&HG", 0, false},
        Reading{"hex_without_digits", "&H", 0, false}, Reading{"ampersand_alone", "&", 0, false},
        Reading{"subnormal", "4.9e-324", 4.9406564584124654e-324, true},
        Reading{"digits_beyond_a_double", "9.80600000000000000000000000001", 9.806, true},
        Reading{"underflow", "1e-400", 0, true}, Reading{"beyond_double", "1e400", inf, false},
        Reading{"beyond_double_negative", "-1e400", -inf, false},
        Reading{"huge_exponent", "123456789e99999999999999999999", inf, false}),
    rowName);

struct GeneralCase : Row {
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
    rowName);

struct PatternCase : Row {
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
                                           PatternCase{"binary_below_half", 0.285, "00.28"},
                                           PatternCase{"every_digit", 1e23, "99999999999999991611392.00"},
                                           PatternCase{"large", 1025.3, "1025.30"}),
                         rowName);

TEST(PatternTest, UsesTheLocaleSeparator) {
    EXPECT_EQ(tk::FormatTwoByTwo(63.736, Locale::romanian()), "63,74");
}

TEST(ScrollBarTextTest, BlankBeforeZeroAndPositive) {
    for (auto [value, text] :
         {std::pair{45, " 45"}, {0, " 0"}, {-3, "-3"}, {32767, " 32767"}, {-32768, "-32768"}})
        EXPECT_EQ(tk::ScrollBarText(static_cast<tk::Integer>(value)), text);
}

TEST(PrecisionTest, IntegerRoundsHalfToEven) {
    const std::optional<int> none;
    for (auto [value, integer] : {std::pair{12.5, std::optional(12)}, {13.5, 14}, {-2.5, -2},
                                  {254.99998, 255}, {32767.4, 32767}, {32767.5, none},
                                  {-32768.5, -32768}, {-32768.6, none}, {NAN, none}})
        EXPECT_EQ(tk::ToInteger(value), integer) << value;
}

TEST(PrecisionTest, SingleOverflowsOnlyWhereRoundingGivesInfinity) {
    const std::optional<float> none;
    for (auto [value, single] :
         {std::pair{7.210960388183594, std::optional(7.210960388183594F)}, {FLT_MAX, FLT_MAX},
          {0x1.fffffefp127, FLT_MAX}, // just under the halfway point
          {0x1.ffffffp127, none}, {-1e39, none}, {INFINITY, none}, {NAN, none}, {1e-50, 0.0F}})
        EXPECT_EQ(tk::ToSingle(value), single) << value;
}

struct RoundCase : Row {
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
                         rowName);

} // namespace
