// The long check of number reading and formatting: many millions of values
// and texts through the library's functions and the C and C++ library calls
// they replaced. Exits 1 on any difference. Not part of the test command;
// see the README for how to run it.
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>

#include "long_check.h"
#include "number_equality.h"

namespace {

using namespace tarnvik::testing_support;

struct Options {
    std::uint64_t floatStride = 16;
    std::uint64_t randomDoubles = 20'000'000;
    std::uint64_t ties = 20'000'000;
    std::uint64_t texts = 50'000'000;
    std::uint64_t seed = 1;
    std::uint64_t threads = 1;
};

bool Report(const char* what, const Tally& tally) {
    if (tally.compared == 0) return true;
    std::printf("  %-8s %14llu compared, %llu differ\n", what,
                static_cast<unsigned long long>(tally.compared),
                static_cast<unsigned long long>(tally.mismatches));
    for (const std::string& e : tally.examples) std::printf("    %s\n", e.c_str());
    if (tally.referenceFaults != 0) {
        std::printf("  %-8s %14llu where the reference misrounds and the library is exact\n", "",
                    static_cast<unsigned long long>(tally.referenceFaults));
        for (const std::string& e : tally.faultExamples) std::printf("    %s\n", e.c_str());
    }
    return tally.mismatches == 0;
}

bool Phase(const char* name, std::uint64_t threads,
           const std::function<void(unsigned, unsigned, NumberTallies&)>& part) {
    const auto start = std::chrono::steady_clock::now();
    const NumberTallies tallies = InParallel<NumberTallies>(threads, part);
    std::printf("%s (%.1f s)\n", name, SecondsSince(start));
    const bool format = Report("format", tallies.format);
    const bool parse = Report("read", tallies.parse);
    std::fflush(stdout);
    return format && parse;
}

// The share of count for part k of n.
std::uint64_t Share(std::uint64_t count, unsigned k, unsigned n) {
    return count / n + (k < count % n ? 1 : 0);
}

}  // namespace

int main(int argc, char** argv) {
    Options o;
    if (!ReadCountOptions(argc, argv,
                          {{"--float-stride", &o.floatStride, 1},
                           {"--random", &o.randomDoubles, 0},
                           {"--ties", &o.ties, 0},
                           {"--texts", &o.texts, 0},
                           {"--seed", &o.seed, 0},
                           {"--threads", &o.threads, 1, 256}})) {
        std::fprintf(stderr,
                     "usage: %s [--float-stride N] [--random N] [--ties N] [--texts N] "
                     "[--seed N] [--threads N]\n",
                     argv[0]);
        return 2;
    }
    const auto start = std::chrono::steady_clock::now();
    bool ok = Phase("edge values and texts", 1,
                    [](unsigned, unsigned, NumberTallies& t) { CompareEdges(t); });
    ok &= Phase("float bit patterns", o.threads, [&](unsigned k, unsigned n, NumberTallies& t) {
        SweepFloats(k * o.floatStride, o.floatStride * n, t);
    });
    ok &= Phase("random doubles", o.threads, [&](unsigned k, unsigned n, NumberTallies& t) {
        SweepRandomDoubles(Share(o.randomDoubles, k, n), o.seed * 1000 + k, t);
    });
    ok &= Phase("exact ties", o.threads, [&](unsigned k, unsigned n, NumberTallies& t) {
        SweepTies(Share(o.ties, k, n), o.seed * 1000 + 100 + k, t);
    });
    ok &= Phase("texts", o.threads, [&](unsigned k, unsigned n, NumberTallies& t) {
        SweepTexts(Share(o.texts, k, n), o.seed * 1000 + 200 + k, t.parse);
    });
    std::printf("%s after %.0f s\n", ok ? "no differences" : "DIFFERENCES FOUND",
                SecondsSince(start));
    return ok ? 0 : 1;
}
