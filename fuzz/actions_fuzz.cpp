// Replays fuzzer bytes as user actions on a calculator window and stops
// at the first broken invariant.
#include <cstdio>
#include <cstdlib>

#include "action_replay.h"
#include "window_invariants.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tarnvik::testing_support::ActionReplay replay;
    while (replay.Step(data, size)) {
        const std::string broken = tarnvik::testing_support::CheckInvariants(replay.Window());
        if (!broken.empty()) {
            std::fprintf(stderr, "after %s: %s\n", replay.last().c_str(), broken.c_str());
            std::abort();
        }
    }
    return 0;
}
