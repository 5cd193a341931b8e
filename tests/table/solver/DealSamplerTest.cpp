#include "SampleDeals.h"
#include "table/solver/DealSampler.h"

#include <gtest/gtest.h>

#include <bit>

namespace corvane::sds {
namespace {

using testing::RandomDeal;

constexpr int North = 0;
constexpr int East = 1;
constexpr int South = 2;
constexpr int West = 3;

// South declares, North is dummy, East the viewpoint: West and South are hidden.
SampleRequest EastsView(const Hands& deal) {
    SampleRequest r;
    for (int seat = 0; seat < 4; ++seat) r.Holds[seat] = 13;
    r.Hidden = {false, false, true, true};
    r.Known[North] = deal[North];
    r.Known[East] = deal[East];
    return r;
}

void ExpectHoldsExactlyTheUnseenCards(const SampleRequest& r, const Hands& sample) {
    const std::array<Ranks, 4> unseen = UnseenCards(r);
    for (int suit = 0; suit < 4; ++suit) {
        Ranks hidden = 0;
        for (int seat = 0; seat < 4; ++seat) {
            if (r.Hidden[seat]) {
                EXPECT_EQ(hidden & sample[seat][suit], 0u) << "a card dealt twice";
                hidden |= sample[seat][suit];
            } else {
                EXPECT_EQ(sample[seat][suit], r.Known[seat][suit]) << "a known hand changed";
            }
        }
        EXPECT_EQ(hidden, unseen[suit]);
    }
    for (int seat = 0; seat < 4; ++seat) EXPECT_EQ(CardCount(sample[seat]), r.Holds[seat]);
}

TEST(DealSamplerTest, SamplesHoldExactlyTheUnseenCardsAndRespectShownOutSuits) {
    for (std::uint64_t seed = 1; seed <= 20; ++seed) {
        const Hands deal = RandomDeal(seed);
        SampleRequest r = EastsView(deal);
        // Every seat has played the lowest card of its first suit.
        const auto takeLowest = [&](int seat, int suit) {
            const Ranks cards = seat == West || seat == South ? deal[seat][suit] : r.Known[seat][suit];
            if (cards == 0) return false;
            const Ranks low = cards & (~cards + 1);
            r.Played[seat][suit] |= low;
            if (!r.Hidden[seat]) r.Known[seat][suit] &= ~low;
            --r.Holds[seat];
            return true;
        };
        for (int seat = 0; seat < 4; ++seat) {
            for (int suit = 0; suit < 4; ++suit) {
                if (takeLowest(seat, suit)) break;
            }
        }
        // West holds no club in the real deal whenever we say it showed out.
        const bool westVoid = deal[West][0] == 0;
        r.ShowedOut[West][0] = westVoid;
        r.ShowedOut[South][3] = deal[South][3] == 0;
        ASSERT_TRUE(RequestIsConsistent(r));

        SampleRandom random(seed);
        const SampleSet set = SampleDeals(r, 30, random);
        ASSERT_EQ(set.Deals.size(), 30u);
        EXPECT_EQ(set.Relaxed, Relaxation::None);
        for (const Hands& sample : set.Deals) {
            ExpectHoldsExactlyTheUnseenCards(r, sample);
            if (westVoid) {
                EXPECT_EQ(sample[West][0], 0u);
            }
            if (r.ShowedOut[South][3]) {
                EXPECT_EQ(sample[South][3], 0u);
            }
        }
    }
}

TEST(DealSamplerTest, SamplesRespectShownRangesCountingTheCardsPlayed) {
    const Hands deal = RandomDeal(7);
    SampleRequest r = EastsView(deal);
    // South has played the lowest card of its first suit.
    int suit = 0;
    while (deal[South][suit] == 0) ++suit;
    const Ranks low = deal[South][suit] & (~deal[South][suit] + 1);
    r.Played[South][suit] = low;
    r.Holds[South] = 12;
    const int realPoints = SuitPoints(deal[South][0]) + SuitPoints(deal[South][1]) +
                           SuitPoints(deal[South][2]) + SuitPoints(deal[South][3]);
    r.Shown[South].MinPoints = std::max(realPoints - 1, 0);
    r.Shown[South].MaxPoints = realPoints + 1;
    const int length = std::popcount(deal[South][suit]);
    r.Shown[South].MinLength[suit] = length;
    r.Shown[South].MaxLength[suit] = length;
    SampleRandom random(3);
    const SampleSet set = SampleDeals(r, 25, random);
    ASSERT_EQ(set.Deals.size(), 25u);
    EXPECT_EQ(set.Relaxed, Relaxation::None);
    for (const Hands& sample : set.Deals) {
        int points = 0;
        for (int s = 0; s < 4; ++s) points += SuitPoints(sample[South][s] | r.Played[South][s]);
        EXPECT_GE(points, r.Shown[South].MinPoints);
        EXPECT_LE(points, r.Shown[South].MaxPoints);
        EXPECT_EQ(std::popcount(sample[South][suit] | low), length) << "the played card counts";
        ExpectHoldsExactlyTheUnseenCards(r, sample);
    }
}

TEST(DealSamplerTest, ImpossibleRangesAreRelaxedPointsFirstThenLengths) {
    // North holds every ace, king and queen and the spade jack: three points are left to deal.
    const Ranks top = Bit(14) | Bit(13) | Bit(12);
    SampleRequest r;
    r.Holds = {13, 13, 13, 13};
    r.Hidden = {false, true, true, true};
    r.Known[North] = {top, top, top, top | Bit(11)};
    r.Shown[West].MinPoints = 3 + RelaxedPointMargin;  // reachable only when widened
    r.Shown[West].MinLength[3] = 5;
    SampleRandom random(11);
    SampleSet set = SampleDeals(r, 3, random, 5000);
    ASSERT_FALSE(set.Deals.empty());
    EXPECT_EQ(set.Relaxed, Relaxation::WiderPoints);

    r.Shown[West].MinPoints = 30;
    set = SampleDeals(r, 10, random, 50);
    ASSERT_FALSE(set.Deals.empty());
    EXPECT_EQ(set.Relaxed, Relaxation::NoPoints);
    for (const Hands& sample : set.Deals) EXPECT_GE(std::popcount(sample[West][3]), 5) << "lengths kept";

    // Lengths that cannot fit go next; shown-out suits never do.
    r.Shown[West].MinLength[3] = 13;
    r.ShowedOut[West][0] = true;
    set = SampleDeals(r, 5, random, 20);
    ASSERT_FALSE(set.Deals.empty());
    EXPECT_EQ(set.Relaxed, Relaxation::NoLengths);
    for (const Hands& sample : set.Deals) {
        EXPECT_EQ(sample[West][0], 0u);
        ExpectHoldsExactlyTheUnseenCards(r, sample);
    }
}

TEST(DealSamplerTest, InconsistentRequestsGiveNoSamples) {
    const Hands deal = RandomDeal(5);
    SampleRequest r = EastsView(deal);
    SampleRandom random(1);
    r.Holds[West] = 12;  // one unseen card would have no home
    EXPECT_FALSE(RequestIsConsistent(r));
    EXPECT_TRUE(SampleDeals(r, 5, random).Deals.empty());

    r = EastsView(deal);
    r.Known[East][0] |= deal[North][0];  // a card known twice
    EXPECT_FALSE(RequestIsConsistent(r));

    // Both hidden seats showed out of a suit whose cards are still out.
    r = EastsView(deal);
    int suit = 0;
    while ((deal[South][suit] | deal[West][suit]) == 0) ++suit;
    r.ShowedOut[South][suit] = r.ShowedOut[West][suit] = true;
    EXPECT_TRUE(SampleDeals(r, 5, random, 5).Deals.empty());
}

TEST(DealSamplerTest, TheSameSeedDealsTheSameSamples) {
    const SampleRequest r = EastsView(RandomDeal(9));
    SampleRandom a(42);
    SampleRandom b(42);
    SampleRandom c(43);
    const SampleSet first = SampleDeals(r, 10, a);
    EXPECT_EQ(first.Deals, SampleDeals(r, 10, b).Deals);
    EXPECT_NE(first.Deals, SampleDeals(r, 10, c).Deals);
}

}  // namespace
}  // namespace corvane::sds
