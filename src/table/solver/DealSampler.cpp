#include "table/solver/DealSampler.h"

#include <algorithm>
#include <bit>

namespace corvane::sds {

std::uint64_t SampleRandom::Next() {
    // splitmix64: fast, and every seed, zero included, gives a full-period stream.
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

int SampleRandom::Below(int n) {
    return static_cast<int>(Next() % static_cast<std::uint64_t>(n));
}

std::array<Ranks, 4> UnseenCards(const SampleRequest& r) {
    std::array<Ranks, 4> unseen{AllRanks, AllRanks, AllRanks, AllRanks};
    for (int seat = 0; seat < 4; ++seat) {
        for (int suit = 0; suit < 4; ++suit) unseen[suit] &= ~(r.Known[seat][suit] | r.Played[seat][suit]);
    }
    return unseen;
}

bool RequestIsConsistent(const SampleRequest& r) {
    std::array<Ranks, 4> seen{};
    for (int seat = 0; seat < 4; ++seat) {
        for (int suit = 0; suit < 4; ++suit) {
            for (const Ranks cards : {r.Known[seat][suit], r.Played[seat][suit]}) {
                if ((cards & ~AllRanks) != 0 || (seen[suit] & cards) != 0) return false;
                seen[suit] |= cards;
            }
        }
        if (r.Holds[seat] < 0 || r.Holds[seat] + CardCount(r.Played[seat]) > 13) return false;
        if (!r.Hidden[seat] && CardCount(r.Known[seat]) != r.Holds[seat]) return false;
        if (r.Hidden[seat] && CardCount(r.Known[seat]) != 0) return false;
    }
    int hiddenHold = 0;
    for (int seat = 0; seat < 4; ++seat) hiddenHold += r.Hidden[seat] ? r.Holds[seat] : 0;
    return hiddenHold == CardCount(UnseenCards(r));
}

bool FitsShown(const SampleRequest& r, const Hands& deal, Relaxation level) {
    for (int seat = 0; seat < 4; ++seat) {
        if (!r.Hidden[seat]) continue;
        const ShownRanges& shown = r.Shown[seat];
        int points = 0;
        for (int suit = 0; suit < 4; ++suit) {
            const Ranks dealt = deal[seat][suit] | r.Played[seat][suit];
            points += SuitPoints(dealt);
            const int length = std::popcount(dealt);
            if (level < Relaxation::NoLengths &&
                (length < shown.MinLength[suit] || length > shown.MaxLength[suit])) {
                return false;
            }
        }
        const int margin = level == Relaxation::WiderPoints ? RelaxedPointMargin : 0;
        if (level < Relaxation::NoPoints &&
            (points < shown.MinPoints - margin || points > shown.MaxPoints + margin)) {
            return false;
        }
    }
    return true;
}

namespace {

// One random layout honouring the shown-out suits, or false when the random order ran into a
// card no seat with room may take. With `minimumLengths` each hidden seat first gets random
// cards up to its shown minimum in every suit, so long suits shown in the auction do not have
// to turn up by chance.
bool DealOnce(const SampleRequest& r, const std::vector<Card>& unseen, bool minimumLengths,
              SampleRandom& random, Hands& deal) {
    deal = r.Known;
    std::array<int, 4> room{};
    for (int seat = 0; seat < 4; ++seat) room[seat] = r.Hidden[seat] ? r.Holds[seat] : 0;
    std::vector<Card> cards = unseen;
    for (int i = static_cast<int>(cards.size()) - 1; i > 0; --i) {
        std::swap(cards[static_cast<std::size_t>(i)], cards[static_cast<std::size_t>(random.Below(i + 1))]);
    }
    if (minimumLengths) {
        for (int seat = 0; seat < 4; ++seat) {
            if (!r.Hidden[seat]) continue;
            for (int suit = 0; suit < 4; ++suit) {
                int need = r.Shown[seat].MinLength[suit] - std::popcount(r.Played[seat][suit]);
                if (need > 0 && r.ShowedOut[seat][suit]) return false;
                // The shuffled order makes the first cards of the suit a random choice.
                for (auto it = cards.begin(); need > 0 && it != cards.end();) {
                    if (it->Suit != suit) {
                        ++it;
                        continue;
                    }
                    if (room[seat] == 0) return false;
                    deal[seat][suit] |= Bit(it->Rank);
                    --room[seat];
                    --need;
                    it = cards.erase(it);
                }
                if (need > 0) return false;
            }
        }
    }
    // Cards only one seat may take go first, so the free cards cannot crowd them out.
    std::stable_partition(cards.begin(), cards.end(), [&](const Card& c) {
        int takers = 0;
        for (int seat = 0; seat < 4; ++seat) takers += room[seat] > 0 && !r.ShowedOut[seat][c.Suit];
        return takers == 1;
    });
    for (const Card& c : cards) {
        // Each card goes to a seat with room, in proportion to the room left: a uniform deal
        // when nobody has shown out.
        int total = 0;
        for (int seat = 0; seat < 4; ++seat) total += r.ShowedOut[seat][c.Suit] ? 0 : room[seat];
        if (total == 0) return false;
        int pick = random.Below(total);
        int seat = 0;
        for (;; ++seat) {
            const int share = r.ShowedOut[seat][c.Suit] ? 0 : room[seat];
            if (pick < share) break;
            pick -= share;
        }
        deal[seat][c.Suit] |= Bit(c.Rank);
        --room[seat];
    }
    return true;
}

}  // namespace

SampleSet SampleDeals(const SampleRequest& r, int count, SampleRandom& random, int attemptsPerDeal) {
    SampleSet set;
    if (count <= 0 || !RequestIsConsistent(r)) return set;
    std::vector<Card> unseen;
    const std::array<Ranks, 4> cards = UnseenCards(r);
    for (int suit = 0; suit < 4; ++suit) {
        for (int rank = 2; rank <= 14; ++rank) {
            if ((cards[suit] & Bit(rank)) != 0) unseen.push_back({suit, rank});
        }
    }
    const long long attempts = static_cast<long long>(count) * std::max(attemptsPerDeal, 1);
    for (Relaxation level : {Relaxation::None, Relaxation::WiderPoints, Relaxation::NoPoints,
                             Relaxation::NoLengths}) {
        set.Relaxed = level;
        Hands deal{};
        for (long long i = 0; i < attempts && static_cast<int>(set.Deals.size()) < count; ++i) {
            if (DealOnce(r, unseen, level < Relaxation::NoLengths, random, deal) &&
                FitsShown(r, deal, level)) {
                set.Deals.push_back(deal);
            }
        }
        if (!set.Deals.empty()) break;
    }
    return set;
}

}  // namespace corvane::sds
