#include "physics/profile_factor.h"

#include "sensors/sensor_positions.h"

namespace tarnvik {

const ProfilePoint ProfileTable[kProfileTableSize] = {
    {6.0, 0.5},     {10.0, 0.575},  {13.6, 0.64},   {15.0, 0.66},   {16.1, 0.671},  {19.6, 0.707},
    {19.7, 0.708},  {20.0, 0.709},  {21.7, 0.722},  {25.0, 0.746},  {25.5, 0.748},  {26.0, 0.75},
    {27.3, 0.756},  {27.8, 0.758},  {28.5, 0.761},  {30.0, 0.767},  {32.8, 0.776},  {36.0, 0.784},
    {36.1, 0.784},  {39.3, 0.792},  {40.0, 0.793},  {41.0, 0.795},  {41.9, 0.797},  {43.1, 0.8},
    {44.3, 0.802},  {45.8, 0.804},  {50.0, 0.81},   {51.2, 0.811},  {53.1, 0.812},  {54.5, 0.813},
    {55.1, 0.815},  {56.3, 0.816},  {57.5, 0.818},  {60.0, 0.82},   {64.2, 0.823},  {68.9, 0.825},
    {70.0, 0.826},  {70.3, 0.827},  {71.1, 0.827},  {74.5, 0.828},  {76.1, 0.829},  {80.0, 0.83},
    {82.5, 0.831},  {84.9, 0.831},  {90.0, 0.832},  {100.0, 0.833}, {100.3, 0.833}, {100.8, 0.833},
    {102.2, 0.833}, {107.1, 0.834}, {110.0, 0.834}, {110.3, 0.834}, {125.0, 0.835}, {130.0, 0.835},
    {133.7, 0.835}, {150.0, 0.836}, {159.3, 0.836}, {160.0, 0.836}, {162.3, 0.836}, {164.0, 0.836},
    {165.3, 0.836}, {182.5, 0.837}, {190.0, 0.837}, {195.0, 0.837}, {200.0, 0.838}, {206.0, 0.838},
    {220.0, 0.838}, {250.0, 0.839}, {300.0, 0.84},
};

namespace {

const double LowBandCoefficients[4] = {-2.53713432564927e-06, -8.76629635842446e-05,
                                       0.0302087047627204, -0.163243613193116};
const double HighBandCoefficientsA[5] = {-1.22147283e-09, 7.428905e-07, -0.0001662692, 0.01633875,
                                         0.308929};
const double HighBandCoefficientsB[4] = {2.210460791872e-08, -1.05373118707083e-05,
                                         0.00180837369172073, 0.744266434547988};

constexpr double kLowBandLimit = 16.5;
constexpr double kMidBandLimit = 54.1;
constexpr double kHighBandLimit = 200.1;
constexpr double kBelowLowBand = 0.3;

}  // namespace

double EvaluatePolynomial(std::uint8_t degree, float x, const double* coefficients) {
    const double wide = x;
    double r = coefficients[0];
    for (int k = 1; k <= degree; ++k) r = r * wide + coefficients[k];
    return r;
}

double InterpolateProfile(double x) {
    const ProfilePoint* t = ProfileTable;
    if (x > t[kProfileTableSize - 1].diameter) return t[kProfileTableSize - 1].factor;
    if (x < t[0].diameter) return t[0].factor;
    // The search passes over an equal entry, so a table diameter starts its
    // own interval and gives its factor exactly.
    int i = kProfileTableSize - 1;
    for (int k = 1; k < kProfileTableSize - 1; ++k) {
        if (t[k].diameter > x) {
            i = k;
            break;
        }
    }
    return (x - t[i - 1].diameter) / (t[i].diameter - t[i - 1].diameter) *
               (t[i].factor - t[i - 1].factor) +
           t[i - 1].factor;
}

// The band tests compare the widened diameter with double limits: a diameter
// typed as 54.1 is stored as 54.0999985 and stays in the lower band.
double ProfileCurveA(double x) {
    if (x < kLowBandLimit) return kBelowLowBand;
    if (x < kMidBandLimit) return EvaluatePolynomial(3, static_cast<float>(x), LowBandCoefficients);
    if (x < kHighBandLimit)
        return EvaluatePolynomial(4, static_cast<float>(x), HighBandCoefficientsA);
    return 0.915;
}

double ProfileCurveB(double x) {
    if (x < kLowBandLimit) return kBelowLowBand;
    if (x < kMidBandLimit) return EvaluatePolynomial(3, static_cast<float>(x), LowBandCoefficients);
    if (x < kHighBandLimit)
        return EvaluatePolynomial(3, static_cast<float>(x), HighBandCoefficientsB);
    return 0.862;
}

double ProfileFactor(int sensor, double diameter) {
    if (sensor == kQA70) return ProfileCurveA(diameter);
    if (sensor == kQA90) return ProfileCurveB(diameter);
    return InterpolateProfile(diameter);
}

}  // namespace tarnvik
