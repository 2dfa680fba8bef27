// Profile factor: the ratio of mean to measured velocity as a function of
// the pipe's inner diameter, by sensor type.
#pragma once

#include <cstdint>

namespace tarnvik {

inline constexpr int kProfileTableSize = 69;

struct ProfilePoint {
    double diameter;  // mm
    double factor;
};

extern const ProfilePoint ProfileTable[kProfileTableSize];

// Horner evaluation; coefficients hold degree + 1 values, highest power first.
double EvaluatePolynomial(std::uint8_t degree, float x, const double* coefficients);

double InterpolateProfile(double diameter);
double ProfileCurveA(double diameter);  // QA70
double ProfileCurveB(double diameter);  // QA90

// Curve A for sensor position 6, curve B for 9, the table for all others.
double ProfileFactor(int sensor, double diameter);

}  // namespace tarnvik
