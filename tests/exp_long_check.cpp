// The long check of the calculator's own exponential: every float
// temperature through the saturation vapour pressure against the C
// library's exp, and the error in ulps over a dense sample of doubles.
// Exits 1 on any float difference or an error above 0.51 ulp. Not part of
// the test command; see the README for how to run it.
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "exp_agreement.h"

namespace {

using tarnvik::testing_support::ExpAccuracy;
using tarnvik::testing_support::VapourPressureTally;

constexpr double kMaxAllowedUlps = 0.51;

struct Options {
    std::uint64_t floatStride = 1;
    std::uint64_t doubles = 100'000'000;
    unsigned threads = 1;
};

bool ReadOptions(int argc, char** argv, Options& options) {
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string name = argv[i];
        char* end = nullptr;
        const unsigned long long value = std::strtoull(argv[i + 1], &end, 10);
        if (*end != '\0') return false;
        if (name == "--float-stride" && value > 0) {
            options.floatStride = value;
        } else if (name == "--doubles" && value > 0) {
            options.doubles = value;
        } else if (name == "--threads" && value > 0 && value <= 64) {
            options.threads = static_cast<unsigned>(value);
        } else {
            return false;
        }
    }
    return argc % 2 == 1;
}

template <class Tally, class Part>
Tally InParallel(unsigned n, Part part) {
    std::vector<Tally> tallies(n);
    std::vector<std::thread> threads;
    for (unsigned k = 0; k < n; ++k) threads.emplace_back([&, k] { part(k, n, tallies[k]); });
    for (std::thread& t : threads) t.join();
    Tally all;
    for (const Tally& t : tallies) all.Merge(t);
    return all;
}

double Seconds(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void PrintExamples(const std::vector<std::string>& examples) {
    for (const std::string& e : examples) std::printf("    %s\n", e.c_str());
}

bool CheckAccuracy(const char* name, double low, double high, const Options& o,
                   std::uint64_t seed) {
    const auto start = std::chrono::steady_clock::now();
    const ExpAccuracy a =
        InParallel<ExpAccuracy>(o.threads, [&](unsigned k, unsigned n, ExpAccuracy& part) {
            tarnvik::testing_support::SweepExpAccuracy(low, high, o.doubles, k, n, seed,
                                                       kMaxAllowedUlps, part);
        });
    std::printf("%s, [%g, %g] (%.1f s)\n", name, low, high, Seconds(start));
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
    if (!ReadOptions(argc, argv, o)) {
        std::fprintf(stderr, "usage: %s [--float-stride N] [--doubles N] [--threads N]\n", argv[0]);
        return 2;
    }
    const auto start = std::chrono::steady_clock::now();

    const VapourPressureTally v = InParallel<VapourPressureTally>(
        o.threads, [&](unsigned k, unsigned n, VapourPressureTally& part) {
            tarnvik::testing_support::SweepVapourPressure(k * o.floatStride, n * o.floatStride,
                                                          part);
        });
    std::printf("saturation vapour pressure over float temperatures (%.1f s)\n", Seconds(start));
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

    std::printf("%s after %.0f s\n", ok ? "all agree" : "DIFFERENCES FOUND", Seconds(start));
    return ok ? 0 : 1;
}
