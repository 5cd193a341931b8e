#include "bidding/HandEvaluation.h"

#include "bidding/SuitEvaluation.h"

#include <algorithm>
#include <functional>

namespace corvane {

namespace {

Holding SuitHolding(const THands& hand, int suit) { return hand.HoldingOf(suit); }

// Three highest cards Q, J, T with neither ace nor king: the sequence is worth a point more.
bool HasQueenJackTenTop(Holding h) {
    return Length(h) >= 4 && !Holds(h, Ace) && !Holds(h, King) && Holds(h, Queen) &&
           Holds(h, Jack) && Holds(h, Ten);
}

// A six-card suit or longer that runs without loss: AKQ, or two top honours and the jack.
bool IsSolidForLosers(Holding h) {
    if (Length(h) < 6) return false;
    const int top = TopHonourCount(h);
    return top == 3 || (top == 2 && Holds(h, Jack));
}

double LoserCorrection(double x) {
    if (x <= -6) return 1.0;
    if (x <= -2) return 0.5;
    if (x < 2) return 0.0;
    if (x < 6) return -0.5;
    if (x < 9) return -1.0;
    return -1.5;
}

}  // namespace

int ShapeCodeOf(const THands& hand) {
    std::array<int, 4> lengths{};
    for (int s = 0; s < 4; ++s) lengths[static_cast<size_t>(s)] = Length(SuitHolding(hand, s));
    std::sort(lengths.begin(), lengths.end(), std::greater<>());
    return 1000 * lengths[0] + 100 * lengths[1] + 10 * lengths[2] + lengths[3];
}

bool IsBalancedShape(const THands& hand, int shapeCode) {
    switch (shapeCode) {
    case 4333:
    case 4432:
    case 5332: return true;
    case 5422:
    case 6322:
    case 7222:
        for (int s = 0; s < 4; ++s) {
            const Holding h = SuitHolding(hand, s) & FullSuit;
            if (Length(h) == 2 && h < RankBit(Queen)) return false;
        }
        return true;
    default: return false;
    }
}

void EvaluateHand(THands& hand) {
    hand.HCP = hand.LengthPts = hand.SupportPts = 0;
    hand.ShapeCode = ShapeCodeOf(hand);
    hand.Balanced = IsBalancedShape(hand, hand.ShapeCode);
    for (auto& suit : hand.Suits) {
        const Holding h = suit.Holding;
        suit.Length = Length(h);
        hand.HCP += SuitHCP(h);
        if (HasQueenJackTenTop(h)) {
            hand.HCP += 1;
        } else if (UnguardedHonour(h)) {
            hand.SupportPts -= 1;
        }
        hand.LengthPts += SuitLengthPoints(h);
        if (suit.Length >= 5 && SuitHCP(h) == 0) hand.LengthPts -= 1;
    }
    // A weak hand without an eight-card suit gets at most three length points.
    if (hand.HCP < 10 && PlayingStrength(hand) < 26 && hand.ShapeCode < 8000) {
        hand.LengthPts = std::min(hand.LengthPts, 3);
    }
}

void ComputeLosingTricks(THands& hand) {
    double losers = 0;
    bool solid = false;
    for (int s = 0; s < 4; ++s) {
        const Holding h = SuitHolding(hand, s);
        losers += SuitLosers(h);
        solid = solid || IsSolidForLosers(h);
    }
    // Honour-heavy hands (aces and kings rather than queens and jacks) lose fewer tricks than the
    // suit count says, and the reverse; a solid suit leaves the count as it is.
    double x = solid ? 0.0 : Controls(hand) * 3.333 - hand.HCP;
    const Holding shortest = SuitHolding(hand, ShortestSuit(hand));
    if (Length(shortest) == 1 && SuitHCP(shortest) > 1) x += SuitHCP(shortest);
    hand.LosingTricks = losers + LoserCorrection(x);
}

void EvaluateAllHands(TableHands& hands) {
    for (auto& hand : hands) EvaluateHand(hand);
}

void PrepareHandsForAuction(TableHands& hands, bool closedRoom) {
    for (auto& hand : hands) {
        EvaluateHand(hand);
        hand.SupportPts = 0;
        hand.LosingTrickAdjust = 0;
        hand.HandQuickTricks = 0;
        for (const auto& suit : hand.Suits) hand.HandQuickTricks += QuickTricks(suit.Holding);
        ComputeLosingTricks(hand);
        hand.ShapeCode = ShapeCodeOf(hand);
        hand.Balanced = IsBalancedShape(hand, hand.ShapeCode);
    }
    if (closedRoom) return;
    for (auto& hand : hands) {
        hand.RestoreDealtHoldings();
        EvaluateHand(hand);
    }
}

int CountRank(const THands& hand, TRank r) {
    int n = 0;
    for (int s = 0; s < 4; ++s) n += Holds(SuitHolding(hand, s), r);
    return n;
}

int KeyCards(const THands& hand, Strain fitSuit) {
    const bool fitKing = fitSuit < NoTrump && Holds(SuitHolding(hand, fitSuit), King);
    return Aces(hand) + (fitKing ? 1 : 0);
}

Strain LongestSuit(const THands& hand) {
    for (int s = Spades; s >= Clubs; --s) {
        if (SuitLength(hand, s) == LongestLength(hand)) return static_cast<Strain>(s);
    }
    return Spades;
}

Strain SecondSuit(const THands& hand) {
    const Strain longest = LongestSuit(hand);
    for (int s = Spades; s >= Clubs; --s) {
        if (s != longest && SuitLength(hand, s) == SecondLength(hand)) return static_cast<Strain>(s);
    }
    return longest;
}

Strain MainSuit(const THands& hand) {
    const Strain longest = LongestSuit(hand), second = SecondSuit(hand);
    if (LongestLength(hand) == SecondLength(hand) &&
        SuitHCP(SuitHolding(hand, second)) >= SuitHCP(SuitHolding(hand, longest))) {
        return second;
    }
    return longest;
}

Strain ShortestSuit(const THands& hand) {
    Strain shortest = Clubs;
    for (int s = Diamonds; s <= Spades; ++s) {
        if (SuitLength(hand, s) < SuitLength(hand, shortest)) shortest = static_cast<Strain>(s);
    }
    return shortest;
}

int VoidCount(const THands& hand) {
    if (SecondLength(hand) == 0) return 3;
    if (hand.ShapeCode / 10 % 10 == 0) return 2;
    return hand.ShapeCode % 10 == 0 ? 1 : 0;
}

int NonVoidSuits(const THands& hand) {
    int n = 0;
    for (int s = 0; s < 4; ++s) n += SuitLength(hand, s) > 0;
    return n;
}

int FirstRoundControls(const THands& hand, Strain candidateStrain) {
    int n = Aces(hand);
    if (candidateStrain < NoTrump) {
        for (int s = 0; s < 4; ++s) n += SuitLength(hand, s) == 0;
    }
    return n;
}

int UncontrolledSuits(const THands& hand, Strain candidateStrain) {
    int n = 0;
    for (int s = 0; s < 4; ++s) {
        const Holding h = SuitHolding(hand, s);
        if (Holds(h, Ace) || Holds(h, King)) continue;
        if (candidateStrain < NoTrump && Length(h) < 2) continue;
        ++n;
    }
    return n;
}

int PlayingStrength(const THands& hand) {
    return Controls(hand) + hand.HCP + 2 * SuitLength(hand, LongestSuit(hand)) +
           SuitLength(hand, SecondSuit(hand)) - SuitLength(hand, ShortestSuit(hand));
}

}  // namespace corvane
