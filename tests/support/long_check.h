// What the long checks share: options of the form "--name count", work
// split over threads, and elapsed time.
#pragma once

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <initializer_list>
#include <string>
#include <thread>
#include <vector>

namespace tarnvik::testing_support {

struct CountOption {
    const char* name;  // "--texts"
    std::uint64_t* value;
    std::uint64_t least;  // counts outside least..most are refused
    std::uint64_t most = UINT64_MAX;
};

// Reads "--name count" pairs into the options; false for anything else.
inline bool ReadCountOptions(int argc, char** argv, std::initializer_list<CountOption> options) {
    if (argc % 2 != 1) return false;
    for (int i = 1; i + 1 < argc; i += 2) {
        char* end = nullptr;
        const std::uint64_t value = std::strtoull(argv[i + 1], &end, 10);
        if (*end != '\0' || *argv[i + 1] == '-') return false;
        bool known = false;
        for (const CountOption& o : options) {
            if (std::string(argv[i]) != o.name || value < o.least || value > o.most) continue;
            *o.value = value;
            known = true;
        }
        if (!known) return false;
    }
    return true;
}

// Runs part(k, n, tally) for k = 0 .. n-1 on n threads and merges the
// tallies.
template <class Tally, class Part>
Tally InParallel(std::uint64_t n, const Part& part) {
    std::vector<Tally> tallies(n);
    std::vector<std::thread> threads;
    for (std::uint64_t k = 0; k < n; ++k)
        threads.emplace_back(
            [&, k] { part(static_cast<unsigned>(k), static_cast<unsigned>(n), tallies[k]); });
    for (std::thread& t : threads) t.join();
    Tally all;
    for (const Tally& t : tallies) all.Merge(t);
    return all;
}

inline double SecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace tarnvik::testing_support
