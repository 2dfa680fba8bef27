// Random user action sequences, seeded so that a failure replays.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "action_replay.h"
#include "window_invariants.h"

namespace tarnvik {
namespace {

constexpr unsigned kSeeds = 100;
constexpr std::size_t kBytesPerSeed = 6000;  // about 1,200 actions each

TEST(RandomUserActions, KeepTheWindowConsistent) {
    std::size_t total = 0;
    for (unsigned seed = 1; seed <= kSeeds; ++seed) {
        std::mt19937 random(seed);
        std::vector<std::uint8_t> bytes(kBytesPerSeed);
        for (auto& b : bytes) b = static_cast<std::uint8_t>(random());
        testing_support::ActionReplay replay;
        const std::uint8_t* data = bytes.data();
        std::size_t size = bytes.size();
        while (replay.Step(data, size)) {
            const std::string broken = testing_support::CheckInvariants(replay.Window());
            ASSERT_EQ(broken, "") << "seed " << seed << ", action " << replay.actions() << ": "
                                  << replay.last();
        }
        total += replay.actions();
    }
    RecordProperty("actions", static_cast<int>(total));
    std::printf("random user actions checked: %zu\n", total);
}

}  // namespace
}  // namespace tarnvik
