#include "cards/CardSelection.h"

#include <algorithm>

namespace corvane {

bool MayPlay(const THands& hand, CardCode card, int suitLed) {
    if (!hand.HoldsCard(card)) return false;
    if (suitLed < 0 || SuitOf(card) == suitLed) return true;
    return hand.HoldingOf(suitLed) == 0;
}

CardCode DefaultSelection(const THands& hand, const TrickContext& trick) {
    if (trick.SuitLed >= 0 && hand.HoldingOf(trick.SuitLed) != 0) {
        return LowestCard(hand.HoldingOf(trick.SuitLed), trick.SuitLed);
    }
    if (trick.AnyCardPlayed && IsCard(trick.WinningCard)) {
        const int suit = SuitOf(trick.WinningCard);
        if (hand.HoldingOf(suit) != 0) return LowestCard(hand.HoldingOf(suit), suit);
    }
    for (int suit = Clubs; suit <= Spades; ++suit) {
        if (hand.HoldingOf(suit) != 0) return LowestCard(hand.HoldingOf(suit), suit);
    }
    return NoCard;
}

CardCode MoveSelection(const THands& hand, const std::vector<CardCode>& cards, CardCode current,
                       SelectionKey key, const TrickContext& trick) {
    const auto at = std::find(cards.begin(), cards.end(), current);
    if (!IsCard(current) || at == cards.end()) return DefaultSelection(hand, trick);
    const int n = static_cast<int>(cards.size());
    const int start = static_cast<int>(at - cards.begin());
    const int step = (key == SelectionKey::Left || key == SelectionKey::Up) ? -1 : 1;
    const bool otherSuit = key == SelectionKey::Up || key == SelectionKey::Down;
    for (int k = 1; k < n; ++k) {
        const CardCode c = cards[static_cast<size_t>(((start + step * k) % n + n) % n)];
        if (otherSuit && SuitOf(c) == SuitOf(current)) continue;
        if (MayPlay(hand, c, trick.SuitLed)) return c;
    }
    return current;
}

}  // namespace corvane
