// The 150-value play block that Initialize and SimBid receive, and what the solver reads from
// it. The table writes the block with the same index names, so the layout lives only here.
#pragma once

#include "table/solver/Search.h"

#include <array>
#include <cstdint>

namespace corvane::sds {

inline constexpr int BlockSize = 150;
using Block = std::array<std::int32_t, BlockSize>;

namespace block {
inline constexpr int Trump = 0;         // 0 clubs .. 3 spades, 4 no trump
inline constexpr int Level = 1;         // 1..7
inline constexpr int Doubled = 2;       // 0, 1 doubled, 2 redoubled
inline constexpr int Vulnerable = 3;    // the declaring side
inline constexpr int Declarer = 4;
inline constexpr int Seat = 5;          // the dummy for Initialize, the caller for SimBid
inline constexpr int Payoff = 11;       // 14 values: payoff to North-South for 0..13 tricks
inline constexpr int SeatCards = 25;    // 13 (suit, rank) pairs of the block's seat
inline constexpr int Shown = 51;        // four records of ShownSize values, North first
inline constexpr int ShownSize = 24;
inline constexpr int ShownMinPoints = 1;  // offsets inside one shown record
inline constexpr int ShownMaxPoints = 2;
inline constexpr int ShownMinLength = 8;  // clubs .. spades
inline constexpr int ShownMaxLength = 12;
inline constexpr int TimeAllowance = 148;  // tenths of a second for the whole hand
inline constexpr int Seed = 149;
}  // namespace block

inline constexpr int MostPoints = 40;

// What one player has shown in the auction, as far as the sampling of hands uses it.
struct ShownRanges {
    int MinPoints = 0;
    int MaxPoints = MostPoints;
    std::array<int, 4> MinLength{0, 0, 0, 0};
    std::array<int, 4> MaxLength{13, 13, 13, 13};
};

struct Card {
    int Suit = 0;
    int Rank = 0;
    friend bool operator==(const Card&, const Card&) = default;
};

using Hands = std::array<std::array<Ranks, 4>, 4>;  // [seat][suit]

constexpr bool ValidCard(int suit, int rank) { return suit >= 0 && suit <= 3 && rank >= 2 && rank <= 14; }
constexpr Ranks Bit(int rank) { return Ranks{1} << rank; }
constexpr int NextSeat(int seat) { return (seat + 1) & 3; }
constexpr int PartnerOf(int seat) { return (seat + 2) & 3; }
constexpr bool SameSide(int a, int b) { return ((a ^ b) & 1) == 0; }

// High-card points of one suit's holding: ace 4, king 3, queen 2, jack 1.
int SuitPoints(Ranks holding);
int CardCount(const std::array<Ranks, 4>& hand);

// The shown record of one seat, with lengths clamped to 0..13 and points to 0..40.
ShownRanges ShownRangesOf(const Block& block, int seat);

// The block seat's 13 cards; false when a pair is not a card or a card repeats.
bool BlockSeatCards(const Block& block, std::array<Ranks, 4>& hand);

}  // namespace corvane::sds
