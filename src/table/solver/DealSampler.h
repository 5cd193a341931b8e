// Random layouts of the cards a player cannot see, consistent with what the play and the auction
// have shown: every card played, every suit a player has shown out of, and each player's shown
// point and length ranges.
#pragma once

#include "table/solver/PlayBlock.h"

#include <cstdint>
#include <vector>

namespace corvane::sds {

// A small generator of our own, so the same seed deals the same samples with any library.
class SampleRandom {
public:
    explicit SampleRandom(std::uint64_t seed) : state_(seed) {}
    std::uint64_t Next();
    // Uniform in 0 .. n-1, n > 0.
    int Below(int n);

private:
    std::uint64_t state_;
};

struct SampleRequest {
    Hands Known{};                  // what each seat is seen to hold now; empty for hidden seats
    Hands Played{};                 // what each seat has played so far, the current trick included
    std::array<int, 4> Holds{};     // cards each seat still holds
    std::array<bool, 4> Hidden{};   // seats whose cards are dealt at random
    std::array<std::array<bool, 4>, 4> ShowedOut{};  // [seat][suit]
    std::array<ShownRanges, 4> Shown{};
};

// When no layout fits every range, the sampler gives up the ranges in this order; cards played
// and suits shown out always hold.
enum class Relaxation {
    None,
    WiderPoints,  // point ranges widened by RelaxedPointMargin each way
    NoPoints,     // point ranges dropped, lengths kept
    NoLengths,    // lengths dropped too
};
inline constexpr int RelaxedPointMargin = 2;

struct SampleSet {
    std::vector<Hands> Deals;  // remaining cards of every seat, the known seats as given
    Relaxation Relaxed = Relaxation::None;
};

// The cards nobody is seen to hold: the deck less the known and the played cards.
std::array<Ranks, 4> UnseenCards(const SampleRequest& request);

// Whether the request can describe a deal at all: the unseen cards fill the hidden seats exactly
// and no card is known twice.
bool RequestIsConsistent(const SampleRequest& request);

// Up to `count` layouts. At each level of relaxation the sampler tries `attemptsPerDeal` times
// `count` random layouts, and moves to the next level only when none fitted. Empty when the
// request is inconsistent or the shown-out suits leave no layout.
SampleSet SampleDeals(const SampleRequest& request, int count, SampleRandom& random,
                      int attemptsPerDeal = 200);

// Whether a layout's hidden seats (with what they played) fit the shown ranges at a level.
bool FitsShown(const SampleRequest& request, const Hands& deal, Relaxation level);

}  // namespace corvane::sds
