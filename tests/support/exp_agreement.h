// Compares the calculator's own exponential with the C library's: on the
// saturation vapour pressure the engine computes from it, for float
// temperatures, and in ulps of error against a wider reference on doubles.
// Shared by the test suite's sample and the long check.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tarnvik::testing_support {

struct VapourPressureTally {
    std::uint64_t compared = 0;
    std::uint64_t mismatches = 0;      // float results that differ
    std::uint64_t expDifferences = 0;  // double exp(M) that differ
    std::vector<std::string> examples;

    void Merge(const VapourPressureTally& other);
};

// Every float bit pattern first, first + stride, ... below 2^32 as a
// temperature: the engine's saturation vapour pressure against the same
// formula with the C library's exp, both rounded to float.
void SweepVapourPressure(std::uint64_t first, std::uint64_t stride, VapourPressureTally& tally);

struct ExpAccuracy {
    std::uint64_t compared = 0;
    double maxUlpError = 0;  // ours, against expl
    double maxUlpErrorArgument = 0;
    double libraryMaxUlpError = 0;      // the C library's exp, against expl
    std::uint64_t differences = 0;      // results that differ from the C library's
    std::uint64_t oursFurther = 0;      // of those, where ours is further from expl
    std::vector<std::string> examples;  // results off by more than maxAllowed

    void Merge(const ExpAccuracy& other);
};

// Error in ulps of a double result against the long double exp of x, ulps
// of the exact result's binade (of the subnormals below the normal range).
double UlpError(double x, double result);

// count arguments evenly spread over [low, high] and as many drawn at
// random from the seed; this call measures part k of n of each.
void SweepExpAccuracy(double low, double high, std::uint64_t count, unsigned k, unsigned n,
                      std::uint64_t seed, double maxAllowed, ExpAccuracy& accuracy);

}  // namespace tarnvik::testing_support
