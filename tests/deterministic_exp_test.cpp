#include "physics/deterministic_exp.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>

#include "exp_agreement.h"
#include "named_case.h"

namespace tarnvik {
namespace {

struct ExpCase {
    const char* name;
    double x;
    double expected;  // correctly rounded, from 300-bit arithmetic
};

class Exp : public testing::TestWithParam<ExpCase> {};
TEST_P(Exp, CorrectlyRoundedAtTheEdges) {
    const double result = DeterministicExp(GetParam().x);
    EXPECT_EQ(std::memcmp(&result, &GetParam().expected, sizeof result), 0)
        << std::hexfloat << result << " instead of " << GetParam().expected;
}
INSTANTIATE_TEST_SUITE_P(
    Arguments, Exp,
    testing::Values(
        ExpCase{"zero", 0.0, 1.0}, ExpCase{"negative_zero", -0.0, 1.0},
        ExpCase{"one", 1.0, 0x1.5bf0a8b145769p+1}, ExpCase{"minus_one", -1.0, 0x1.78b56362cef38p-2},
        ExpCase{"ten", 10.0, 0x1.5829dcf95056p+14},
        ExpCase{"tiny_positive", 0x1p-30, 0x1.00000004p+0}, ExpCase{"tiny_negative", -1e-17, 1.0},
        // The ends of the vapour pressure's exponents: 17.62 over water.
        ExpCase{"water_limit", 17.62, 0x1.5693d782f4c44p+25},
        ExpCase{"beyond_float", 89.0, 0x1.51c2cc3433801p+128},
        ExpCase{"below_float", -104.0, 0x1.f1e6b68529e33p-151},
        ExpCase{"largest_finite", 709.782712893384, 0x1.fffffffffff2ap+1023},
        ExpCase{"first_overflow", 709.7827128933841, HUGE_VAL},
        ExpCase{"far_overflow", 1e300, HUGE_VAL}, ExpCase{"infinity", HUGE_VAL, HUGE_VAL},
        ExpCase{"last_normal", -708.39, 0x1.01a5ff6ed496bp-1022},
        ExpCase{"first_subnormal", -708.4, 0x0.ff15b469edf89p-1022},
        ExpCase{"deep_subnormal", -720.0, 0x0.0000993b4dc95p-1022},
        ExpCase{"two_smallest_subnormals", -744.0, 0x0.0000000000002p-1022},
        ExpCase{"smallest_subnormal", -745.1332191019411, 0x0.0000000000001p-1022},
        ExpCase{"underflow_to_zero", -745.1332191019412, 0.0},
        ExpCase{"minus_infinity", -HUGE_VAL, 0.0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Exp, NaNStaysNaN) {
    EXPECT_TRUE(std::isnan(DeterministicExp(std::numeric_limits<double>::quiet_NaN())));
    EXPECT_TRUE(std::isnan(DeterministicExp(-std::numeric_limits<double>::quiet_NaN())));
}

std::string Examples(const std::vector<std::string>& examples) {
    std::string text;
    for (const std::string& e : examples) text += "\n  " + e;
    return text;
}

// Within about half an ulp everywhere, the subnormal results included.
TEST(Exp, HalfAnUlpOverTheWholeRange) {
    testing_support::ExpAccuracy accuracy;
    testing_support::SweepExpAccuracy(-746.0, 710.0, 200000, 0, 1, 1, 0.51, accuracy);
    testing_support::SweepExpAccuracy(-746.0, -708.0, 20000, 0, 1, 2, 0.51, accuracy);
    testing_support::SweepExpAccuracy(-0.01, 0.01, 20000, 0, 1, 3, 0.51, accuracy);
    EXPECT_TRUE(accuracy.examples.empty()) << Examples(accuracy.examples);
}

// The engine's saturation vapour pressure, rounded to float, is what the
// C library's exp gave: a sample of float temperatures, every exponent.
TEST(Exp, VapourPressureAsWithTheCLibrary) {
    testing_support::VapourPressureTally tally;
    testing_support::SweepVapourPressure(777, 4099, tally);
    EXPECT_EQ(tally.mismatches, 0u) << "of " << tally.compared << Examples(tally.examples);
}

}  // namespace
}  // namespace tarnvik
