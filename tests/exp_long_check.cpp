// The long check of the calculator's own exponential: every float
// temperature through the saturation vapour pressure against the C
// library's exp, and the error in ulps over a dense sample of doubles.
// Exits 1 on any float difference or an error above 0.51 ulp. Not part of
// the test command; see the README for how to run it.
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <string>

#include "exp_agreement.h"
#include "long_check.h"

namespace {

using namespace tarnvik::testing_support;

constexpr double kMaxAllowedUlps = 0.51;

struct Options {
    std::uint64_t floatStride = 1;
    std::uint64_t doubles = 100'000'000;
    std::uint64_t threads = 1;
};

void PrintExamples(const std::vector<std::string>& examples) {
    for (const std::string& e : examples) std::printf("    %s\n", e.c_str());
}

bool CheckAccuracy(const char* name, double low, double high, const Options& o,
                   std::uint64_t seed) {
    const auto start = std::chrono::steady_clock::now();
    const ExpAccuracy a =
        InParallel<ExpAccuracy>(o.threads, [&](unsigned k, unsigned n, ExpAccuracy& part) {
            SweepExpAccuracy(low, high, o.doubles, k, n, seed, kMaxAllowedUlps, part);
        });
    std::printf("%s, [%g, %g] (%.1f s)\n", name, low, high, SecondsSince(start));
    std::printf("  %llu arguments; largest error %.4f ulp at %a (the C library's: %.4f ulp)\n",
                static_cast<unsigned long long>(a.compared), a.maxUlpError, a.maxUlpErrorArgument,
                a.libraryMaxUlpError);
    std::printf("  %llu results differ from the C library's; ours is the further one in %llu\n",
                static_cast<unsigned long long>(a.differences),
                static_cast<unsigned long long>(a.oursFurther));
    PrintExamples(a.examples);
    std::fflush(stdout);
    return a.examples.empty();
}

}  // namespace

int main(int argc, char** argv) {
    Options o;
    if (!ReadCountOptions(argc, argv,
                          {{"--float-stride", &o.floatStride, 1},
                           {"--doubles", &o.doubles, 1},
                           {"--threads", &o.threads, 1, 256}})) {
        std::fprintf(stderr, "usage: %s [--float-stride N] [--doubles N] [--threads N]\n", argv[0]);
        return 2;
    }
    const auto start = std::chrono::steady_clock::now();

    const VapourPressureTally v = InParallel<VapourPressureTally>(
        o.threads, [&](unsigned k, unsigned n, VapourPressureTally& part) {
            SweepVapourPressure(k * o.floatStride, n * o.floatStride, part);
        });
    std::printf("saturation vapour pressure over float temperatures (%.1f s)\n",
                SecondsSince(start));
    std::printf("  %llu temperatures; exp(M) differs in %llu, the float result in %llu\n",
                static_cast<unsigned long long>(v.compared),
                static_cast<unsigned long long>(v.expDifferences),
                static_cast<unsigned long long>(v.mismatches));
    PrintExamples(v.examples);
    std::fflush(stdout);
    bool ok = v.mismatches == 0;

    ok &= CheckAccuracy("the whole range", -746.0, 710.0, o, 1);
    ok &= CheckAccuracy("where a float result is finite and not zero", -104.0, 89.0, o, 2);
    ok &= CheckAccuracy("subnormal results", -746.0, -708.0, o, 3);
    ok &= CheckAccuracy("near zero", -1e-3, 1e-3, o, 4);

    std::printf("%s after %.0f s\n", ok ? "all agree" : "DIFFERENCES FOUND", SecondsSince(start));
    return ok ? 0 : 1;
}
