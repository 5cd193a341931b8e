// What the bidder reads from one suit of a hand: points, honours, tricks, stoppers, controls and
// quality. Each figure depends on the holding alone. The rank helpers HoldsRank, NthHighestCard
// and LowestCard are Holds, NthHighest and LowestRank of cards/Cards.h.
#pragma once

#include "cards/Cards.h"

#include <string>

namespace corvane {

constexpr int SuitHCP(Holding h) { return HighCardPoints(h); }
constexpr int SuitHCPWithoutAce(Holding h) { return SuitHCP(h) - (Holds(h, Ace) ? 4 : 0); }

// 0 below five cards; one a card beyond four for five or six; two a card beyond five from seven.
constexpr int SuitLengthPoints(Holding h) {
    const int n = Length(h);
    if (n < 5) return 0;
    if (n <= 6) return n - 4;
    return 2 * (n - 5);
}

// Cards held among the n highest ranks.
constexpr int HonoursInTop(Holding h, int n) {
    int count = 0;
    for (TRank r = Ace; r > Ace - n && r >= 2; --r) count += Holds(h, r);
    return count;
}

// T, J, Q, K and A count one each, but a ten in a suit shorter than four counts a half.
double HonourCount(Holding h);

// The aces, kings and queens held, in that order: "AKQ", "AQ", "K", "".
std::string TopHonours(Holding h);
constexpr int TopHonourCount(Holding h) {
    return Holds(h, Ace) + Holds(h, King) + Holds(h, Queen);
}

// AKQ 3, AK 2, AQ 1.5, A 1, KQ 1, Kx 0.5; a singleton king and anything else 0.
double QuickTricks(Holding h);

// A bare K, Q or J, or QJ doubleton: an honour that falls under a higher one.
bool UnguardedHonour(Holding h);

// Holds the suit once: A, Kx, Qxx, four cards to the ten or better, or any five cards.
bool IsStopper(Holding h);

// Two cards or more with K (no A, Q) or a top card two ranks above the second: AQ, KJ, QT.
bool HasTenace(Holding h);

constexpr bool FirstRoundControl(Holding h) { return Length(h) == 0 || Holds(h, Ace); }
constexpr bool SecondRoundControl(Holding h) {
    return FirstRoundControl(h) || Length(h) == 1 || Holds(h, King);
}

// Short, or strong enough not to count as a weak length.
constexpr bool NotWeakLength(Holding h) { return Length(h) < 3 || SuitHCP(h) > 2; }

// Good enough to bid or show: honours in proportion to the length.
bool IsGoodSuit(Holding h);
// Six cards or more with two of the top three honours.
bool IsSolidLongSuit(Holding h);
// Six cards or more with honour strength.
bool IsStrongLongSuit(Holding h);

// Losers of the suit alone, before the whole-hand correction.
double SuitLosers(Holding h);

}  // namespace corvane
