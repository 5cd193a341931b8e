// The whole-hand figures the bidder judges a hand by, and the moments they are recomputed.
// Everything here depends on the cards alone; fit and honour-position adjustments belong to the
// partnership evaluation.
#pragma once

#include "cards/Hands.h"

#include <algorithm>

namespace corvane {

// ---- Stored figures ---------------------------------------------------------------------------

// Recomputes HCP, LengthPts, SupportPts (minus one per unguarded honour), ShapeCode, Balanced and
// every suit's Length from the holdings.
void EvaluateHand(THands& hand);
// Recomputes LosingTricks from the holdings and the stored HCP and ShapeCode.
void ComputeLosingTricks(THands& hand);

// Four lengths sorted longest first as one number; 13-0-0-0 is 13000.
int ShapeCodeOf(const THands& hand);
// 4333, 4432 and 5332 always; 5422, 6322 and 7222 only when every doubleton holds Q, K or A.
bool IsBalancedShape(const THands& hand, int shapeCode);

// ---- Moments ----------------------------------------------------------------------------------

// The full holdings are back on the table: a deal dealt or loaded, a hand ended, replayed or
// claimed. The caller restores the dealt holdings first.
void EvaluateAllHands(TableHands& hands);

// The auction starts (a new deal, a take-back, the closed-room replay). Recomputes every figure
// with SupportPts and LosingTrickAdjust at 0. In the open room the dealt holdings are then
// restored and the hands evaluated once more, so SupportPts enters the auction at minus the
// unguarded honours; the closed room keeps it at 0. The partnership evaluation clears its own
// fit flag and bid-suit marks.
void PrepareHandsForAuction(TableHands& hands, bool closedRoom);

// ---- Derived figures --------------------------------------------------------------------------

inline int SuitLength(const THands& hand, int suit) {
    return hand.Suits[static_cast<size_t>(suit)].Length;
}
inline int ClubLength(const THands& hand) { return SuitLength(hand, Clubs); }
inline int DiamondLength(const THands& hand) { return SuitLength(hand, Diamonds); }
inline int HeartLength(const THands& hand) { return SuitLength(hand, Hearts); }
inline int SpadeLength(const THands& hand) { return SuitLength(hand, Spades); }

inline int TotalPoints(const THands& h) { return h.HCP + std::max(h.LengthPts, h.SupportPts); }
inline double LosingTrickTotal(const THands& h) { return h.LosingTricks + h.LosingTrickAdjust; }

// Suits holding rank r.
int CountRank(const THands& hand, TRank r);
inline int Aces(const THands& hand) { return CountRank(hand, Ace); }
inline int Kings(const THands& hand) { return CountRank(hand, King); }
inline int Controls(const THands& hand) { return 2 * Aces(hand) + Kings(hand); }
// Aces, plus the king of the fit suit when the fit is in a suit (fitSuit NoTrump for none).
int KeyCards(const THands& hand, Strain fitSuit);

inline int LongestLength(const THands& h) { return h.ShapeCode / 1000; }
inline int SecondLength(const THands& h) { return h.ShapeCode / 100 % 10; }
// The highest-ranking suit of the longest length.
Strain LongestSuit(const THands& hand);
// The highest-ranking suit other than LongestSuit of the second length.
Strain SecondSuit(const THands& hand);
// SecondSuit when it is as long as LongestSuit and at least as strong, else LongestSuit.
Strain MainSuit(const THands& hand);
// The lowest-ranking suit of the smallest length, and that length.
Strain ShortestSuit(const THands& hand);
inline int ShortestLength(const THands& h) { return SuitLength(h, ShortestSuit(h)); }

// 3, 2 or 1 voids read from ShapeCode.
int VoidCount(const THands& hand);
inline bool HasVoid(const THands& h) { return h.ShapeCode % 10 == 0; }
inline bool HasSingleton(const THands& h) { return h.ShapeCode % 10 == 1; }
int NonVoidSuits(const THands& hand);

// Aces, plus voids when the candidate strain is a suit.
int FirstRoundControls(const THands& hand, Strain candidateStrain);
// Suits with neither ace nor king; in a suit contract only those of two cards or more.
int UncontrolledSuits(const THands& hand, Strain candidateStrain);
// Controls + HCP + twice the longest suit + the second suit - the shortest suit.
int PlayingStrength(const THands& hand);

constexpr bool IsMajor(int strain) { return strain == Hearts || strain == Spades; }
constexpr Strain OtherMajor(int strain) { return strain == Hearts ? Spades : Hearts; }

// Per side: 0 favourable, 1 equal, 2 unfavourable vulnerability.
constexpr int RelativeVulnerability(Vulnerability v, int side) {
    if (v == VulNone || v == VulBoth) return 1;
    return v == side ? 2 : 0;
}

}  // namespace corvane
