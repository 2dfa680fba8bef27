#include "exp_agreement.h"

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <random>

#include "physics/deterministic_exp.h"
#include "physics/flow_engine.h"

namespace tarnvik::testing_support {

namespace {

constexpr std::size_t kExamples = 10;

template <class T>
auto Bits(T value) {
    if constexpr (sizeof(T) == 4) {
        std::uint32_t bits;
        std::memcpy(&bits, &value, sizeof bits);
        return bits;
    } else {
        std::uint64_t bits;
        std::memcpy(&bits, &value, sizeof bits);
        return bits;
    }
}

void AddExample(std::vector<std::string>& examples, const std::string& text) {
    if (examples.size() < kExamples) examples.push_back(text);
}

// The saturation vapour pressure as the engine computed it with the C
// library's exp.
float LibrarySaturation(float t) {
    return static_cast<float>(6.112 * std::exp(MagnusExponent(t)) / 10.0);
}

void Measure(double x, double maxAllowed, ExpAccuracy& a) {
    const double ours = DeterministicExp(x);
    const double library = std::exp(x);
    const double error = UlpError(x, ours);
    const double libraryError = UlpError(x, library);
    ++a.compared;
    if (error > a.maxUlpError) {
        a.maxUlpError = error;
        a.maxUlpErrorArgument = x;
    }
    if (libraryError > a.libraryMaxUlpError) a.libraryMaxUlpError = libraryError;
    if (Bits(ours) != Bits(library)) {
        ++a.differences;
        if (error > libraryError) ++a.oursFurther;
    }
    if (!(error <= maxAllowed)) {
        char text[160];
        std::snprintf(text, sizeof text, "exp(%a) = %a, %.4f ulp from %La", x, ours, error,
                      std::exp(static_cast<long double>(x)));
        AddExample(a.examples, text);
    }
}

}  // namespace

void VapourPressureTally::Merge(const VapourPressureTally& other) {
    compared += other.compared;
    mismatches += other.mismatches;
    expDifferences += other.expDifferences;
    for (const std::string& e : other.examples) AddExample(examples, e);
}

void SweepVapourPressure(std::uint64_t first, std::uint64_t stride, VapourPressureTally& tally) {
    for (std::uint64_t bits = first; bits <= 0xFFFFFFFFu; bits += stride) {
        const auto pattern = static_cast<std::uint32_t>(bits);
        float t;
        std::memcpy(&t, &pattern, sizeof t);
        const double m = MagnusExponent(t);
        if (Bits(DeterministicExp(m)) != Bits(std::exp(m))) ++tally.expDifferences;
        const float ours = SaturationVapourPressure(t);
        const float library = LibrarySaturation(t);
        ++tally.compared;
        if (Bits(ours) != Bits(library)) {
            ++tally.mismatches;
            char text[160];
            std::snprintf(text, sizeof text, "t = %a: %a, with the C library's exp %a",
                          static_cast<double>(t), static_cast<double>(ours),
                          static_cast<double>(library));
            AddExample(tally.examples, text);
        }
    }
}

void ExpAccuracy::Merge(const ExpAccuracy& other) {
    compared += other.compared;
    if (other.maxUlpError > maxUlpError) {
        maxUlpError = other.maxUlpError;
        maxUlpErrorArgument = other.maxUlpErrorArgument;
    }
    if (other.libraryMaxUlpError > libraryMaxUlpError)
        libraryMaxUlpError = other.libraryMaxUlpError;
    differences += other.differences;
    oursFurther += other.oursFurther;
    for (const std::string& e : other.examples) AddExample(examples, e);
}

double UlpError(double x, double result) {
    const long double exact = std::exp(static_cast<long double>(x));
    // Past the largest double plus half its ulp the exact result rounds to
    // infinity; everything else must be finite.
    const long double overflow = std::ldexp(2.0L - std::ldexp(1.0L, -53), 1023);
    if (exact >= overflow) return std::isinf(result) ? 0.0 : HUGE_VAL;
    if (!std::isfinite(result)) return HUGE_VAL;
    int exponent = 0;
    std::frexp(exact, &exponent);  // exact = f * 2^exponent, f in [0.5, 1)
    const long double ulp = std::ldexp(1.0L, std::max(exponent - 53, -1074));
    return static_cast<double>(std::fabs(static_cast<long double>(result) - exact) / ulp);
}

void SweepExpAccuracy(double low, double high, std::uint64_t count, unsigned k, unsigned n,
                      std::uint64_t seed, double maxAllowed, ExpAccuracy& accuracy) {
    const double step = (high - low) / static_cast<double>(count);
    for (std::uint64_t i = k; i < count; i += n)
        Measure(low + step * static_cast<double>(i), maxAllowed, accuracy);
    std::mt19937_64 random(seed * 64 + k);
    std::uniform_real_distribution<double> uniform(low, high);
    for (std::uint64_t i = k; i < count; i += n) Measure(uniform(random), maxAllowed, accuracy);
}

}  // namespace tarnvik::testing_support
