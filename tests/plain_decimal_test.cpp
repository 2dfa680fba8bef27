// A flow bound is read strictly: exactly the texts that std::from_chars
// takes whole as a finite double, with the same value. from_chars is the
// oracle here only; the library cannot use it (the browser's C++ library
// has no floating-point from_chars).
#include "sizing/plain_decimal.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstring>
#include <random>
#include <string>

#include "locale_guard.h"
#include "named_case.h"

namespace tarnvik {
namespace {

using sizing::ReadPlainDecimal;

std::optional<double> Oracle(const std::string& text) {
    double value = 0;
    const char* end = text.data() + text.size();
    const auto r = std::from_chars(text.data(), end, value);
    if (r.ec != std::errc{} || r.ptr != end || !std::isfinite(value)) return std::nullopt;
    return value;
}

// Same acceptance and the same bits (so -0 stays -0).
void ExpectAsOracle(const std::string& text) {
    const std::optional<double> got = ReadPlainDecimal(text);
    const std::optional<double> want = Oracle(text);
    ASSERT_EQ(got.has_value(), want.has_value()) << '"' << text << '"';
    if (got) {
        EXPECT_EQ(std::memcmp(&*got, &*want, sizeof(double)), 0) << '"' << text << '"';
    }
}

struct TextCase {
    const char* name;
    const char* text;
    bool accepted;
};

class PlainDecimal : public testing::TestWithParam<TextCase> {};

TEST_P(PlainDecimal, TakesWhatFromCharsTakes) {
    EXPECT_EQ(ReadPlainDecimal(GetParam().text).has_value(), GetParam().accepted);
    ExpectAsOracle(GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, PlainDecimal,
    testing::Values(
        TextCase{"integer", "400", true}, TextCase{"fraction", "0.001", true},
        TextCase{"leading_point", ".5", true}, TextCase{"trailing_point", "5.", true},
        TextCase{"negative", "-1", true}, TextCase{"negative_zero", "-0", true},
        TextCase{"leading_zeros", "00012", true}, TextCase{"exponent", "1e5", true},
        TextCase{"exponent_capital_signed", "2.5E-3", true},
        TextCase{"point_then_exponent", "1.e3", true}, TextCase{"subnormal", "4e-320", true},
        TextCase{"smallest_subnormal", "4.9406564584124654e-324", true},
        TextCase{"largest", "1.7976931348623157e308", true},
        TextCase{"zero_huge_exponent", "0e999999", true},
        TextCase{"many_digits", "9999999999999999999999999999999999", true},
        TextCase{"empty", "", false}, TextCase{"lone_minus", "-", false},
        TextCase{"lone_point", ".", false}, TextCase{"plus", "+1", false},
        TextCase{"leading_blank", " 1", false}, TextCase{"trailing_blank", "1 ", false},
        TextCase{"trailing_newline", "1\n", false}, TextCase{"comma", "1,5", false},
        TextCase{"two_points", "1.5.5", false}, TextCase{"bare_exponent", "1e", false},
        TextCase{"signed_bare_exponent", "1e+", false}, TextCase{"exponent_only", "e5", false},
        TextCase{"point_exponent", ".e3", false}, TextCase{"fractional_exponent", "1e5.5", false},
        TextCase{"double_minus", "--1", false}, TextCase{"hex", "0x10", false},
        TextCase{"hex_float", "0x1p3", false}, TextCase{"inf", "inf", false},
        TextCase{"infinity", "INFINITY", false}, TextCase{"nan", "nan", false},
        TextCase{"nan_payload", "nan(123)", false}, TextCase{"overflow", "1e400", false},
        TextCase{"rounds_to_infinity", "1.7976931348623159e308", false},
        TextCase{"underflow", "1e-400", false},
        TextCase{"rounds_to_zero", "2.4703282292062327e-324", false},
        TextCase{"rounds_up_to_subnormal", "2.4703282292062328e-324", true},
        TextCase{"suffix", "12abc", false}),
    [](const auto& info) { return std::string(info.param.name); });

// Texts from the characters that matter, and numbers near the ends of the
// double range, against the oracle.
TEST(PlainDecimalGenerated, AgreesWithFromChars) {
    std::mt19937 random(20260214);
    const std::string alphabet = "0123456789.-+eE x,";
    for (int i = 0; i < 200000; ++i) {
        std::string text;
        const int length = static_cast<int>(random() % 9);
        for (int k = 0; k < length; ++k) text += alphabet[random() % alphabet.size()];
        ExpectAsOracle(text);
        if (HasFatalFailure()) return;
    }
    for (int i = 0; i < 50000; ++i) {
        std::string text = std::to_string(random() % 100000);
        if (random() % 2) text.insert(text.size() - random() % text.size(), ".");
        const int exponent = static_cast<int>(random() % 60) + (random() % 2 ? 280 : -360);
        ExpectAsOracle(text + "e" + std::to_string(exponent));
        if (HasFatalFailure()) return;
    }
}

TEST(PlainDecimalLocale, DecimalCommaLocaleChangesNothing) {
    testing_support::LocaleGuard guard(testing_support::kDecimalCommaLocale);
    if (!guard.ok()) GTEST_SKIP() << "locale de_DE.UTF-8 is not installed";
    EXPECT_EQ(ReadPlainDecimal("20.5"), 20.5);
    EXPECT_EQ(ReadPlainDecimal("20,5"), std::nullopt);
}

}  // namespace
}  // namespace tarnvik
