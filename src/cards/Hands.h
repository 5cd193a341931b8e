// The four hands of the deal in play: what each seat holds, what it was dealt, and the seat's
// flags at the table. Evaluation and auction-inference fields are added by the bidding code.
#pragma once

#include "cards/Cards.h"

#include <array>
#include <string>
#include <vector>

namespace corvane {

class TSuitData {
public:
    explicit TSuitData(Strain suit = Clubs) : Suit(suit) {}

    Strain Suit;
    corvane::Holding Holding = 0;       // the cards still held
    corvane::Holding DealtHolding = 0;  // the cards as dealt; a replay copies them back
    int Length = 0;
    CardCode HintCard = NoCard;  // the card to highlight in this suit, NoCard when none

    char SuitLetter() const { return StrainLetters[Suit]; }
};

class THands {
public:
    explicit THands(TSeat seat = North);

    TSeat Seat;
    TSeat Partner, LHO, RHO;
    int Side, LHOSide;
    std::string Name;  // display name, up to five characters
    std::array<TSuitData, 4> Suits;
    bool PlayedHere = false;  // the person chooses this seat's calls and cards
    bool FaceUp = false;
    CardCode TrickCard = NoCard;  // this seat's card in the current trick

    // Figures the bidder judges the hand by, written by the hand evaluation (and the
    // partnership evaluation for SupportPts and LosingTrickAdjust).
    int HCP = 0;                     // high-card points, with the QJT bonus
    int LengthPts = 0;               // after the no-honour deduction and the weak-hand cap
    int SupportPts = 0;              // replaces LengthPts once a fit is known
    int ShapeCode = 0;               // lengths longest first as one number: 5332, 13000
    bool Balanced = false;
    double LosingTricks = 0;
    double LosingTrickAdjust = 0;    // bidding-time correction, 0 when the auction starts
    double HandQuickTricks = 0;

    void Clear();
    // Holding = DealtHolding = the given sets, then the lengths are recomputed.
    void SetHoldings(const std::array<Holding, 4>& holdings);
    // Back to the cards as dealt, every hint cleared.
    void RestoreDealtHoldings();
    void RemoveCard(CardCode card);
    void ReturnCard(CardCode card);
    bool HoldsCard(CardCode card) const;
    int CardCount() const;
    Holding HoldingOf(int suit) const { return Suits[static_cast<size_t>(suit)].Holding; }
    void ClearHints();
};

using TableHands = std::array<THands, 4>;
TableHands MakeTableHands();

// The seat masks of the options: bit (seat + 1) per seat. When neither selects a seat, both
// become South alone.
inline constexpr int SeatBit(int seat) { return 1 << (seat + 1); }
void ApplySeatMasks(TableHands& hands, int& handsPlayed, int& handsSeen);

// Suits left to right in a hand. The row is the trump suit while clubs, diamonds or hearts are
// trumps; otherwise the spade row. West reads its row in reverse.
std::array<Strain, 4> SuitDisplayOrder(Strain trumpRow, int suitOrderOption, TSeat seat);

// The hand's cards in display order: suits as above, each from its highest card down.
std::vector<CardCode> CardsInDisplayOrder(const THands& hand, Strain trumpRow, int suitOrderOption);

}  // namespace corvane
