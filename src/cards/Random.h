// The one random generator used for dealing. Its state is the board's seed, so a deal is
// reproduced by setting the state back.
#pragma once

#include <array>
#include <cstdint>

namespace corvane {

class RandomGenerator {
    static constexpr std::uint32_t Multiplier = 134775813U;
    static constexpr std::uint32_t Increment = 1U;

public:
    static constexpr int MaxSkip = 64;

    explicit RandomGenerator(std::int32_t seed = 0) { SetSeed(seed); }

    // A number in 0..n-1: advance the state, then take the high half of n * state.
    std::uint32_t Random(std::uint32_t n) {
        state_ = state_ * Multiplier + Increment;
        return static_cast<std::uint32_t>((std::uint64_t{n} * state_) >> 32);
    }

    // The state as the signed number saved with a board and typed into the seed dialog.
    std::int32_t RandomSeed() const { return static_cast<std::int32_t>(state_); }
    void SetSeed(std::int32_t seed) { state_ = static_cast<std::uint32_t>(seed); }

    // Advances the state by `draws` draws at once (draws <= MaxSkip), as if they had been made.
    void Skip(int draws) {
        const Jump& jump = Jumps[static_cast<size_t>(draws)];
        state_ = state_ * jump.multiplier + jump.increment;
    }

private:
    struct Jump {
        std::uint32_t multiplier, increment;
    };
    // Jumps[k] maps a state to the state k draws later.
    static constexpr std::array<Jump, MaxSkip + 1> Jumps = [] {
        std::array<Jump, MaxSkip + 1> table{};
        table[0] = {1U, 0U};
        for (size_t k = 1; k < table.size(); ++k) {
            table[k] = {table[k - 1].multiplier * Multiplier,
                        table[k - 1].increment * Multiplier + Increment};
        }
        return table;
    }();

    std::uint32_t state_ = 0;
};

}  // namespace corvane
