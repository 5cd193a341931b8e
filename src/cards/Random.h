// The one random generator used for dealing. Its state is the board's seed, so a deal is
// reproduced by setting the state back.
#pragma once

#include <cstdint>

namespace corvane {

class RandomGenerator {
public:
    explicit RandomGenerator(std::int32_t seed = 0) { SetSeed(seed); }

    // A number in 0..n-1: advance the state, then take the high half of n * state.
    std::uint32_t Random(std::uint32_t n) {
        state_ = state_ * 134775813U + 1U;
        return static_cast<std::uint32_t>((std::uint64_t{n} * state_) >> 32);
    }

    // The state as the signed number saved with a board and typed into the seed dialog.
    std::int32_t RandomSeed() const { return static_cast<std::int32_t>(state_); }
    void SetSeed(std::int32_t seed) { state_ = static_cast<std::uint32_t>(seed); }

private:
    std::uint32_t state_ = 0;
};

}  // namespace corvane
