// Full random deals for the single-dummy tests, from the sampler's own generator.
#pragma once

#include "table/solver/DealSampler.h"

namespace corvane::sds::testing {

inline Hands RandomDeal(std::uint64_t seed) {
    SampleRandom random(seed);
    std::array<int, 52> cards{};
    for (int i = 0; i < 52; ++i) cards[static_cast<std::size_t>(i)] = i;
    for (int i = 51; i > 0; --i) std::swap(cards[static_cast<std::size_t>(i)], cards[static_cast<std::size_t>(random.Below(i + 1))]);
    Hands deal{};
    for (int i = 0; i < 52; ++i) {
        const int c = cards[static_cast<std::size_t>(i)];
        deal[i / 13][c / 13] |= Bit(c % 13 + 2);
    }
    return deal;
}

// The 13 cards of a hand, clubs first.
inline std::array<Card, 13> CardsOf(const std::array<Ranks, 4>& hand) {
    std::array<Card, 13> out{};
    std::size_t n = 0;
    for (int suit = 0; suit < 4; ++suit) {
        for (int rank = 2; rank <= 14; ++rank) {
            if ((hand[suit] & Bit(rank)) != 0 && n < 13) out[n++] = {suit, rank};
        }
    }
    return out;
}

// A block for `seat` holding `hand`, in `trump` by `declarer`, with nothing shown in the auction.
inline Block TestBlock(const std::array<Ranks, 4>& hand, int seat, int declarer, int trump,
                       std::int32_t seed) {
    Block b{};
    b[block::Trump] = trump;
    b[block::Level] = 3;
    b[block::Declarer] = declarer;
    b[block::Seat] = seat;
    const std::array<Card, 13> cards = CardsOf(hand);
    for (std::size_t i = 0; i < 13; ++i) {
        b[block::SeatCards + 2 * i] = cards[i].Suit;
        b[block::SeatCards + 2 * i + 1] = cards[i].Rank;
    }
    for (int s = 0; s < 4; ++s) {
        const auto at = static_cast<std::size_t>(block::Shown + s * block::ShownSize);
        b[at + block::ShownMaxPoints] = MostPoints;
        for (std::size_t suit = 0; suit < 4; ++suit) b[at + block::ShownMaxLength + suit] = 13;
    }
    b[block::Seed] = seed;
    return b;
}

}  // namespace corvane::sds::testing
