#include "physics/profile_factor.h"

#include <gtest/gtest.h>

#include "named_case.h"

namespace tarnvik {
namespace {

struct ProfileCase {
    const char* name;
    double diameter;
    double expected;
    double tolerance;  // 0: exact
};

void ExpectFactor(double actual, const ProfileCase& c) {
    if (c.tolerance == 0.0) {
        EXPECT_EQ(actual, c.expected);
    } else {
        EXPECT_NEAR(actual, c.expected, c.tolerance);
    }
}

class TableProfile : public testing::TestWithParam<ProfileCase> {};
TEST_P(TableProfile, Interpolates) {
    ExpectFactor(InterpolateProfile(GetParam().diameter), GetParam());
}
INSTANTIATE_TEST_SUITE_P(Points, TableProfile,
                         testing::Values(ProfileCase{"below_first", 5.9, 0.5, 0},
                                         ProfileCase{"first", 6.0, 0.5, 0},
                                         ProfileCase{"first_interval", 8.0, 0.5375, 1e-12},
                                         ProfileCase{"between_15_and_16_1", 16.5, 0.675114, 5e-7},
                                         ProfileCase{"table_point", 100.0, 0.833, 0},
                                         ProfileCase{"last_interval", 275.0, 0.8395, 1e-12},
                                         ProfileCase{"last", 300.0, 0.84, 1e-15},
                                         ProfileCase{"beyond_last", 300.5, 0.84, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

// Curves see the diameter as the window stores it: a float widened.
double Widened(double typed) {
    return static_cast<float>(typed);
}

class CurveA : public testing::TestWithParam<ProfileCase> {};
TEST_P(CurveA, Bands) {
    ExpectFactor(ProfileCurveA(Widened(GetParam().diameter)), GetParam());
}
INSTANTIATE_TEST_SUITE_P(
    Bands, CurveA,
    testing::Values(ProfileCase{"below_low", 16.4, 0.3, 0},
                    ProfileCase{"low_band_start", 16.5, 0.29994, 5e-6},
                    ProfileCase{"low_band", 30.0, 0.59562, 5e-6},
                    ProfileCase{"typed_54_1_stays_low", 54.1,
                                -2.53713432564927e-06 * 54.0999985 * 54.0999985 * 54.0999985 -
                                    8.76629635842446e-05 * 54.0999985 * 54.0999985 +
                                    0.0302087047627204 * 54.0999985 - 0.163243613193116,
                                1e-6},
                    ProfileCase{"high_band", 100.0, 0.900855, 5e-7},
                    ProfileCase{"high_band_end", 200.0, 0.914678, 5e-7},
                    ProfileCase{"typed_200_1_is_end", 200.1, 0.915, 0},
                    ProfileCase{"far", 1000.0, 0.915, 0}),
    [](const auto& info) { return std::string(info.param.name); });

class CurveB : public testing::TestWithParam<ProfileCase> {};
TEST_P(CurveB, Bands) {
    ExpectFactor(ProfileCurveB(Widened(GetParam().diameter)), GetParam());
}
INSTANTIATE_TEST_SUITE_P(Bands, CurveB,
                         testing::Values(ProfileCase{"below_low", 16.4, 0.3, 0},
                                         ProfileCase{"low_band_start", 16.5, 0.29994, 5e-6},
                                         ProfileCase{"low_band", 30.0, 0.59562, 5e-6},
                                         ProfileCase{"high_band", 100.0, 0.841835, 5e-7},
                                         ProfileCase{"high_band_end", 200.0, 0.861286, 5e-7},
                                         ProfileCase{"typed_200_1_is_end", 200.1, 0.862, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ProfileFactor, PicksTheCurveBySensorPosition) {
    for (int sensor = 0; sensor < 10; ++sensor) {
        const double expected = sensor == 6   ? ProfileCurveA(100.0)
                                : sensor == 9 ? ProfileCurveB(100.0)
                                              : InterpolateProfile(100.0);
        EXPECT_EQ(ProfileFactor(sensor, 100.0), expected) << "sensor " << sensor;
    }
}

TEST(EvaluatePolynomial, DegreeZeroIsTheConstantAndHornerOrderHolds) {
    const double c[] = {2.0, -3.0, 0.5};
    EXPECT_EQ(EvaluatePolynomial(0, 7.0f, c), 2.0);
    EXPECT_EQ(EvaluatePolynomial(2, 4.0f, c), (2.0 * 4.0 - 3.0) * 4.0 + 0.5);
}

TEST(ProfileTable, DiametersStrictlyIncrease) {
    for (int i = 1; i < kProfileTableSize; ++i)
        EXPECT_LT(ProfileTable[i - 1].diameter, ProfileTable[i].diameter) << "row " << i;
    EXPECT_EQ(ProfileTable[0].diameter, 6.0);
    EXPECT_EQ(ProfileTable[kProfileTableSize - 1].diameter, 300.0);
}

}  // namespace
}  // namespace tarnvik
