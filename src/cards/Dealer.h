// Dealing a board: dealer and vulnerability, the shuffle, the distribution and the practice
// pattern test.
#pragma once

#include "cards/Cards.h"
#include "cards/PracticePattern.h"
#include "cards/Random.h"

#include <cstdint>
#include <string>
#include <vector>

namespace corvane {

inline constexpr int MaxShuffles = 2'000'000;
inline constexpr const char* TooRestrictiveMessage =
    "The Practice Hand Pattern is too restrictive. Edit the pattern to one that is more likely to "
    "occur.";

// The generator and the text last accepted by the seed dialog. When that text, read as a
// number, equals the generator's state, the next deal reproduces a seed.
struct DealingState {
    RandomGenerator Generator;
    std::string ReproductionText;
};

struct DealRequest {
    int HandNumber = 1;
    bool Rubber = false;                  // rubber scoring: vulnerability from the games won
    Vulnerability RubberVulnerability = VulNone;
    const PracticePattern* Practice = nullptr;  // practice mode when set
};

struct DealtBoard {
    DealHoldings Holdings{};
    TSeat Dealer = North;
    Vulnerability Vul = VulNone;
    std::int32_t Seed = 0;
    std::string SeedText() const { return std::to_string(Seed); }
};

struct DealOutcome {
    bool Ok = false;
    DealtBoard Board;
    std::vector<std::string> Messages;  // malformed control or quality codes, each once
    int Shuffles = 0;                    // shuffles made, the accepted one included
};

// Vulnerability of a board under the duplicate cycle (board 1 none, 2 N-S, 3 E-W, 4 both, ...).
Vulnerability BoardVulnerability(int handNumber);
// Dealer of a board: North for board 1, then clockwise.
TSeat BoardDealer(int handNumber);

DealOutcome Deal(DealingState& state, const DealRequest& request);

// The board a seed stands for: its low two bits the dealer, the next two the vulnerability.
DealtBoard DealFromSeed(std::int32_t seed);

// Shuffles and tests `attempts` times against the pattern, counting the deals that fit.
struct FrequencyCount {
    std::int64_t Passes = 0;
    std::int64_t Attempts = 0;
};
FrequencyCount CountPatternFrequency(DealingState& state, const PracticePattern& pattern,
                                     int attempts = MaxShuffles);

// Controls (2 per ace, 1 per king) of a hand, and its shape code: the four lengths sorted
// longest first as a four-digit number.
int Controls(const std::array<Holding, 4>& hand);
int ShapeCode(const std::array<Holding, 4>& hand);

}  // namespace corvane
