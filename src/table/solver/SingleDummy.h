// The computer's card play without sight of the hidden hands. The player keeps the library's
// copy of the hand: the play block and every card played. For a card it deals the cards it
// cannot see at random, consistent with the play and the auction, solves every layout double
// dummy for all the cards it may play, and picks the card with the best expected payoff.
#pragma once

#include "table/solver/DealSampler.h"
#include "table/solver/SolverPool.h"

#include <array>
#include <cstdint>
#include <vector>

namespace corvane::sds {

// The knobs that trade strength for time; the defaults suit two cores.
struct SingleDummySettings {
    int Samples = 48;         // layouts per decision, at most
    int MinimumSamples = 12;  // solved even when the time for the decision has run out
    // The sampling stops early once no other card could overtake the best in the layouts left,
    // or once this many layouts are in and no other card did better than the best in any.
    int UnbeatenSamples = 16;
    int Threads = 2;
    // Decisions per trick the time allowance is shared among: the computer usually plays
    // three seats, the dummy among them.
    int DecisionsPerTrick = 3;
};

inline constexpr int GetSDResultSize = 225;
using GetSDResult = std::array<std::int32_t, GetSDResultSize>;

// Result layout of a decision (beyond the first 29 values the caller reads): for each of the
// 13 ranked entries, the mean tricks the side to play takes from here, times 100, then the mean
// payoff to North-South, times 100.
namespace getsd {
inline constexpr int Samples = 2;
inline constexpr int Entries = 3;
inline constexpr int MeanTricks = 29;
inline constexpr int MeanPayoff = 42;
}  // namespace getsd

struct PlayedCard {
    int Seat = 0;
    Card Played;
};

// Whether the cards of `legal` take the same tricks in every layout: they lie in one suit and
// each card between them is among them or `gone` (played in a trick already complete; a card of
// the trick in progress still counts, as it may be the one to beat).
bool CardsPlayAlike(const std::array<Ranks, 4>& legal, const std::array<Ranks, 4>& gone);

class SingleDummyPlayer {
public:
    explicit SingleDummyPlayer(SingleDummySettings settings = {});

    // 0, or an SDS_ error code; a bad block leaves the player without a hand.
    int Initialize(const Block& block);
    int PlayCard(int suit, int rank);
    int TakeBackCard();
    // `dealt`: the 13 cards as dealt of the seat to play, or of the declarer when the dummy
    // plays.
    int GetSD(const std::array<Card, 13>& dealt, GetSDResult& result);

    int CardsPlayed() const { return static_cast<int>(played_.size()); }
    // The seat whose turn it is; -1 before Initialize.
    int SeatToPlay() const;
    const SingleDummySettings& Settings() const { return settings_; }
    void SetSettings(const SingleDummySettings& settings);
    // The worker solvers, lent to the bid simulation so the library keeps one set.
    SolverPool& Pool() { return pool_; }

private:
    struct TrickState {
        int Leader = 0;
        int Count = 0;  // cards in the current trick
        int DeclarerTricks = 0;
        int Completed = 0;
    };
    TrickState Tricks() const;
    // The seat that plays the next card, and the suit led to the current trick (-1 on lead).
    int SuitLed() const;
    Hands PlayedBySeat() const;
    // The cards of the tricks already complete.
    std::array<Ranks, 4> GoneBeforeThisTrick() const;
    std::array<std::array<bool, 4>, 4> ShowedOut() const;
    std::chrono::milliseconds DecisionTime(int tricksLeft) const;

    SingleDummySettings settings_;
    SolverPool pool_;
    bool ready_ = false;
    Block block_{};
    int declarer_ = 0;
    int dummy_ = 0;
    std::array<Ranks, 4> dummyCards_{};
    std::vector<PlayedCard> played_;
};

}  // namespace corvane::sds
