#include "table/solver/PlayBlock.h"

#include <algorithm>
#include <bit>

namespace corvane::sds {

int SuitPoints(Ranks holding) {
    int points = 0;
    for (int rank = 11; rank <= 14; ++rank) {
        if ((holding & Bit(rank)) != 0) points += rank - 10;
    }
    return points;
}

int CardCount(const std::array<Ranks, 4>& hand) {
    int n = 0;
    for (const Ranks r : hand) n += std::popcount(r);
    return n;
}

ShownRanges ShownRangesOf(const Block& b, int seat) {
    const int at = block::Shown + seat * block::ShownSize;
    ShownRanges shown;
    shown.MinPoints = std::clamp(b[at + block::ShownMinPoints], 0, MostPoints);
    shown.MaxPoints = std::clamp(b[at + block::ShownMaxPoints], 0, MostPoints);
    for (int suit = 0; suit < 4; ++suit) {
        shown.MinLength[suit] = std::clamp(b[at + block::ShownMinLength + suit], 0, 13);
        shown.MaxLength[suit] = std::clamp(b[at + block::ShownMaxLength + suit], 0, 13);
    }
    return shown;
}

bool BlockSeatCards(const Block& b, std::array<Ranks, 4>& hand) {
    hand = {};
    for (int i = 0; i < 13; ++i) {
        const int suit = b[block::SeatCards + 2 * i];
        const int rank = b[block::SeatCards + 2 * i + 1];
        if (!ValidCard(suit, rank) || (hand[suit] & Bit(rank)) != 0) return false;
        hand[suit] |= Bit(rank);
    }
    return true;
}

}  // namespace corvane::sds
