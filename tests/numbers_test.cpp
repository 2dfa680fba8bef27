#include "core/numbers.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <limits>

#include "locale_guard.h"
#include "named_case.h"
#include "number_equality.h"

namespace tarnvik {
namespace {

struct ParseCase {
    const char* name;
    const char* text;
    double value;
};

class Parse : public testing::TestWithParam<ParseCase> {};
TEST_P(Parse, LikeAtofInTheCLocale) {
    EXPECT_EQ(ParseNumber(GetParam().text), GetParam().value);
}
INSTANTIATE_TEST_SUITE_P(
    Texts, Parse,
    testing::Values(ParseCase{"plain", "20.5", 20.5}, ParseCase{"comma_ends", "20,5", 20.0},
                    ParseCase{"leading_blanks", " \t 7", 7.0}, ParseCase{"empty", "", 0.0},
                    ParseCase{"lone_minus", "-", 0.0}, ParseCase{"letters", "abc", 0.0},
                    ParseCase{"prefix", "1.5bar", 1.5}, ParseCase{"exponent", "1e3", 1000.0},
                    ParseCase{"hex", "0x10", 16.0}, ParseCase{"plus", "+2", 2.0},
                    ParseCase{"dotted", "1.2.3", 1.2},
                    // Three quarters of a unit above 0x0.d775067f07cbep-1022:
                    // rounded once, up; glibc's strtod rounds twice and stays.
                    ParseCase{"hex_subnormal_rounded_once", "0x6bBa833f83E5f6p-1077",
                              0x0.d775067f07cbfp-1022}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Parse, SpecialValues) {
    EXPECT_TRUE(std::isinf(ParseNumber("inf")));
    EXPECT_TRUE(std::isnan(ParseNumber("nan")));
    EXPECT_TRUE(std::isinf(static_cast<float>(ParseNumber("1e39"))));
    EXPECT_EQ(ParseNumber(std::string_view("5\0"
                                           "9",
                                           3)),
              5.0);
}

// Whether a typed text is read whole: the strict values of the command
// line rest on it. The lengths themselves are compared with the C
// library's in the sweeps below.
struct WholeCase {
    const char* name;
    const char* text;
    bool whole;
};

class Whole : public testing::TestWithParam<WholeCase> {};
TEST_P(Whole, OnlyWhenNothingButWhiteSpaceIsLeftOver) {
    EXPECT_EQ(ReadsWhole(GetParam().text), GetParam().whole);
}
INSTANTIATE_TEST_SUITE_P(
    Texts, Whole,
    testing::Values(WholeCase{"leading_blank", " 7.5", true}, WholeCase{"plus", "+3", true},
                    WholeCase{"trailing_point", "5.", true}, WholeCase{"exponent", "1e3", true},
                    WholeCase{"nan", "nan", true}, WholeCase{"infinity", "-Infinity", true},
                    WholeCase{"hex", "0x1p4", true}, WholeCase{"trailing_blank", "7 ", true},
                    WholeCase{"comma", "7,5", false}, WholeCase{"unit", "7bar", false},
                    WholeCase{"letters", "abc", false}, WholeCase{"empty", "", false},
                    WholeCase{"blanks", "  ", false}, WholeCase{"lone_point", ".", false},
                    WholeCase{"lone_minus", "-", false},
                    WholeCase{"exponent_without_digits", "1e", false},
                    WholeCase{"second_point", "1.2.3", false},
                    WholeCase{"inner_blank", "1 2", false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Whole, ANulByteEndsTheNumberAndTheRestIsLeftOver) {
    EXPECT_EQ(NumberLength(std::string_view("5\0"
                                            "9",
                                            3)),
              1u);
    EXPECT_FALSE(
        ReadsWhole(std::string_view("5\0"
                                    "9",
                                    3)));
}

TEST(Format, FixedDecimalsRoundedExactly) {
    EXPECT_EQ(FormatFixed(1013.25, 1), "1013.2");  // a tie, to even
    EXPECT_EQ(FormatFixed(2077.27f, 1), "2077.3");
    EXPECT_EQ(FormatFixed(0.29994, 3), "0.300");
    EXPECT_EQ(FormatFixed(235.5, 0), "236");
    EXPECT_EQ(FormatFixed(-0.04, 1), "-0.0");
    EXPECT_EQ(FormatFixed(12.0, 2), "12.00");
}

struct FormatCase {
    const char* name;
    double value;
    int decimals;
    const char* text;
};

class Format : public testing::TestWithParam<FormatCase> {};
TEST_P(Format, ExactDecimalValueRoundedHalfToEven) {
    EXPECT_EQ(FormatFixed(GetParam().value, GetParam().decimals), GetParam().text);
    EXPECT_EQ(FormatFixedText(GetParam().value, GetParam().decimals).View(), GetParam().text);
}
INSTANTIATE_TEST_SUITE_P(
    Values, Format,
    testing::Values(
        FormatCase{"tie_to_even_down", 0.125, 2, "0.12"},
        FormatCase{"tie_to_even_up", 0.375, 2, "0.38"},
        FormatCase{"tie_at_zero_decimals", 2.5, 0, "2"},
        // 0.0005 is a little above its decimal, 1.0005 a little below.
        FormatCase{"above_the_tie", 0.0005, 3, "0.001"},
        FormatCase{"below_the_tie", 1.0005, 3, "1.000"},
        FormatCase{"carry_into_integer", 9.9996, 3, "10.000"},
        FormatCase{"negative_zero", -0.0, 1, "-0.0"},
        FormatCase{"negative_rounds_to_zero", -0.0004, 3, "-0.000"},
        FormatCase{"smallest_subnormal", DBL_TRUE_MIN, 3, "0.000"},
        FormatCase{"two_to_the_63", 0x1p63, 1, "9223372036854775808.0"},
        FormatCase{"two_to_the_64", 0x1p64, 0, "18446744073709551616"},
        FormatCase{"largest_double", -DBL_MAX, 0,
                   "-17976931348623157081452742373170435679807056752584499659891747680315726078"
                   "00285387605895586327668781715404589535143824642343213268894641827684675467"
                   "03537516986049910576551282076245490090389328944075868508455133942304583236"
                   "90322294816580855933212334827479782620414472316873817718091929988125040402"
                   "6184124858368"},
        FormatCase{"infinity", -HUGE_VAL, 2, "-inf"},
        FormatCase{"nan", std::numeric_limits<double>::quiet_NaN(), 2, "nan"},
        FormatCase{"negative_nan", -std::numeric_limits<double>::quiet_NaN(), 0, "-nan"},
        FormatCase{"decimals_above_three_clamped", 1.23456, 7, "1.235"},
        FormatCase{"negative_decimals_clamped", 1.5, -1, "2"}),
    [](const auto& info) { return std::string(info.param.name); });

// The library's reading and formatting against the C and C++ library calls
// they replaced: a sample of the long check's sweeps.
void ExpectNoDifference(const testing_support::Tally& tally) {
    std::string examples;
    for (const std::string& e : tally.examples) examples += "\n  " + e;
    EXPECT_EQ(tally.mismatches, 0u) << "of " << tally.compared << ":" << examples;
}

TEST(SameAsTheCLibrary, EdgeValuesAndTexts) {
    testing_support::NumberTallies tallies;
    testing_support::CompareEdges(tallies);
    ExpectNoDifference(tallies.format);
    ExpectNoDifference(tallies.parse);
}

TEST(SameAsTheCLibrary, SampleOfFloatsDoublesTiesAndTexts) {
    testing_support::NumberTallies tallies;
    testing_support::SweepFloats(12345, 65521, tallies);  // a prime stride: every exponent
    testing_support::SweepRandomDoubles(20000, 7, tallies);
    testing_support::SweepTies(20000, 8, tallies);
    testing_support::SweepTexts(100000, 9, tallies.parse);
    ExpectNoDifference(tallies.format);
    ExpectNoDifference(tallies.parse);
}

TEST(CommasToPoints, ReplacesEveryComma) {
    std::string s = "1,2,3";
    CommasToPoints(s);
    EXPECT_EQ(s, "1.2.3");
}

TEST(Locale, DecimalCommaLocaleChangesNothing) {
    testing_support::LocaleGuard guard(testing_support::kDecimalCommaLocale);
    if (!guard.ok())
        GTEST_SKIP()
            << "locale de_DE.UTF-8 is not installed (localedef -i de_DE -f UTF-8 de_DE.UTF-8)";
    char probe[16];
    std::snprintf(probe, sizeof probe, "%.1f", 20.5);
    ASSERT_STREQ(probe, "20,5") << "the locale did not switch the C library";
    EXPECT_EQ(ParseNumber("20.5"), 20.5);
    EXPECT_EQ(ParseNumber("20,5"), 20.0);
    EXPECT_EQ(FormatFixed(20.5, 1), "20.5");
}

}  // namespace
}  // namespace tarnvik
