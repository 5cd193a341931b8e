#include "cards/Hands.h"

namespace corvane {

THands::THands(TSeat seat)
    : Seat(seat), Partner(corvane::Partner(seat)), LHO(corvane::LHO(seat)), RHO(corvane::RHO(seat)),
      Side(corvane::Side(seat)), LHOSide(corvane::Side(corvane::LHO(seat))),
      Name(SeatNames[seat]), Suits{TSuitData(Clubs), TSuitData(Diamonds), TSuitData(Hearts),
                                   TSuitData(Spades)} {}

void THands::Clear() {
    for (auto& s : Suits) {
        s.Holding = 0;
        s.DealtHolding = 0;
        s.Length = 0;
        s.HintCard = NoCard;
    }
    TrickCard = NoCard;
}

void THands::SetHoldings(const std::array<Holding, 4>& holdings) {
    for (size_t i = 0; i < 4; ++i) {
        Suits[i].Holding = Suits[i].DealtHolding = holdings[i] & FullSuit;
        Suits[i].Length = corvane::Length(Suits[i].Holding);
    }
}

void THands::RestoreDealtHoldings() {
    for (auto& s : Suits) {
        s.Holding = s.DealtHolding;
        s.Length = corvane::Length(s.Holding);
        s.HintCard = NoCard;
    }
    TrickCard = NoCard;
}

void THands::RemoveCard(CardCode card) {
    auto& s = Suits[static_cast<size_t>(SuitOf(card))];
    s.Holding &= ~(card & FullSuit);
    s.Length = corvane::Length(s.Holding);
}

void THands::ReturnCard(CardCode card) {
    auto& s = Suits[static_cast<size_t>(SuitOf(card))];
    s.Holding |= card & FullSuit;
    s.Length = corvane::Length(s.Holding);
}

bool THands::HoldsCard(CardCode card) const {
    return IsCard(card) && (HoldingOf(SuitOf(card)) & card & FullSuit) != 0;
}

int THands::CardCount() const {
    int n = 0;
    for (const auto& s : Suits) n += s.Length;
    return n;
}

void THands::ClearHints() {
    for (auto& s : Suits) s.HintCard = NoCard;
}

TableHands MakeTableHands() { return {THands(North), THands(East), THands(South), THands(West)}; }

void ApplySeatMasks(TableHands& hands, int& handsPlayed, int& handsSeen) {
    constexpr int AllSeats = SeatBit(North) | SeatBit(East) | SeatBit(South) | SeatBit(West);
    if ((handsPlayed & AllSeats) == 0 && (handsSeen & AllSeats) == 0) {
        handsPlayed = handsSeen = SeatBit(South);
    }
    for (auto& h : hands) {
        h.PlayedHere = (handsPlayed & SeatBit(h.Seat)) != 0;
        h.FaceUp = (handsSeen & SeatBit(h.Seat)) != 0;
    }
}

std::array<Strain, 4> SuitDisplayOrder(Strain trumpRow, int suitOrderOption, TSeat seat) {
    // [row][SuitOrder & 1]; rows are clubs, diamonds, hearts trumps, then the spade row.
    static constexpr Strain Rows[4][2][4] = {
        {{Clubs, Hearts, Spades, Diamonds}, {Clubs, Spades, Hearts, Diamonds}},
        {{Diamonds, Spades, Hearts, Clubs}, {Diamonds, Spades, Hearts, Clubs}},
        {{Hearts, Spades, Diamonds, Clubs}, {Hearts, Spades, Diamonds, Clubs}},
        {{Spades, Hearts, Clubs, Diamonds}, {Spades, Hearts, Diamonds, Clubs}},
    };
    const int row = trumpRow < Spades ? trumpRow : 3;
    const auto& order = Rows[row][suitOrderOption & 1];
    if (seat == West) return {order[3], order[2], order[1], order[0]};
    return {order[0], order[1], order[2], order[3]};
}

std::vector<CardCode> CardsInDisplayOrder(const THands& hand, Strain trumpRow, int suitOrderOption) {
    std::vector<CardCode> cards;
    cards.reserve(13);
    for (Strain suit : SuitDisplayOrder(trumpRow, suitOrderOption, hand.Seat)) {
        const Holding h = hand.HoldingOf(suit);
        for (TRank r = Ace; r >= 2; --r) {
            if (Holds(h, r)) cards.push_back(MakeCard(suit, r));
        }
    }
    return cards;
}

}  // namespace corvane
