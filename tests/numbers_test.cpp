#include "core/numbers.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdio>

#include "locale_guard.h"
#include "named_case.h"

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
                    ParseCase{"dotted", "1.2.3", 1.2}),
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

TEST(Format, FixedDecimalsRoundedExactly) {
    EXPECT_EQ(FormatFixed(1013.25, 1), "1013.2");  // a tie, to even
    EXPECT_EQ(FormatFixed(2077.27f, 1), "2077.3");
    EXPECT_EQ(FormatFixed(0.29994, 3), "0.300");
    EXPECT_EQ(FormatFixed(235.5, 0), "236");
    EXPECT_EQ(FormatFixed(-0.04, 1), "-0.0");
    EXPECT_EQ(FormatFixed(12.0, 2), "12.00");
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
