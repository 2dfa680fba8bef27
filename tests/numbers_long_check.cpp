// The long check of number reading and formatting: many millions of values
// and texts through the library's functions and the C and C++ library calls
// they replaced. Exits 1 on any difference. Not part of the test command;
// see the README for how to run it.
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "number_equality.h"

namespace {

using tarnvik::testing_support::NumberTallies;
using tarnvik::testing_support::Tally;

struct Options {
    std::uint64_t floatStride = 16;
    std::uint64_t randomDoubles = 20'000'000;
    std::uint64_t ties = 20'000'000;
    std::uint64_t texts = 50'000'000;
    std::uint64_t seed = 1;
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
        } else if (name == "--random") {
            options.randomDoubles = value;
        } else if (name == "--ties") {
            options.ties = value;
        } else if (name == "--texts") {
            options.texts = value;
        } else if (name == "--seed") {
            options.seed = value;
        } else if (name == "--threads" && value > 0 && value <= 64) {
            options.threads = static_cast<unsigned>(value);
        } else {
            return false;
        }
    }
    return argc % 2 == 1;
}

// Runs part(k, n, tallies) for k = 0..n-1 on n threads and merges.
NumberTallies InParallel(unsigned n,
                         const std::function<void(unsigned, unsigned, NumberTallies&)>& part) {
    std::vector<NumberTallies> tallies(n);
    std::vector<std::thread> threads;
    for (unsigned k = 0; k < n; ++k) threads.emplace_back(part, k, n, std::ref(tallies[k]));
    for (std::thread& t : threads) t.join();
    NumberTallies all;
    for (const NumberTallies& t : tallies) all.Merge(t);
    return all;
}

bool Report(const char* what, const Tally& tally) {
    if (tally.compared == 0) return true;
    std::printf("  %-8s %14llu compared, %llu differ\n", what,
                static_cast<unsigned long long>(tally.compared),
                static_cast<unsigned long long>(tally.mismatches));
    for (const std::string& e : tally.examples) std::printf("    %s\n", e.c_str());
    return tally.mismatches == 0;
}

bool Phase(const char* name, unsigned threads,
           const std::function<void(unsigned, unsigned, NumberTallies&)>& part) {
    const auto start = std::chrono::steady_clock::now();
    const NumberTallies tallies = InParallel(threads, part);
    const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
    std::printf("%s (%.1f s)\n", name, seconds.count());
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
    using namespace tarnvik::testing_support;
    Options o;
    if (!ReadOptions(argc, argv, o)) {
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
    const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
    std::printf("%s after %.0f s\n", ok ? "no differences" : "DIFFERENCES FOUND", seconds.count());
    return ok ? 0 : 1;
}
