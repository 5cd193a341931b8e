#include "table/PlayParameters.h"
#include "table/solver/PlayBlock.h"
#include "table/solver/SingleDummy.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

CallCode Bid(int level, Strain strain) { return static_cast<CallCode>(3 + 5 * (level - 1) + strain); }

TEST(TrickPayoffTest, FixedTableShiftedSoTheWorstResultIsZero) {
    // East in four spades, undoubled, no IMPs: -5 .. -700 for 7 .. 13 tricks before the shift.
    const TrickPayoffs p = TrickPayoff({Bid(4, Spades), 0, East, VulNone}, ImpScoring, false);
    for (int t = 0; t <= 6; ++t) EXPECT_EQ(p[static_cast<std::size_t>(t)], 700) << t;
    EXPECT_EQ(p[7], 695);
    EXPECT_EQ(p[10], 600);
    EXPECT_EQ(p[12], 200);
    EXPECT_EQ(p[13], 0);

    // North-South declaring, doubled: the doubled table, no shift needed.
    const TrickPayoffs d = TrickPayoff({Bid(2, Hearts), 1, South, VulBoth}, ImpScoring, false);
    EXPECT_EQ(d[0], 0);
    EXPECT_EQ(d[7], 50);
    EXPECT_EQ(d[8], 400);
    EXPECT_EQ(d[13], 750);
}

TEST(TrickPayoffTest, ImpPayoffFavoursNorthSouthTricksWhoeverDeclares) {
    const TrickPayoffs ns = TrickPayoff({Bid(3, NoTrump), 0, South, VulNS}, ImpScoring, true);
    EXPECT_EQ(ns[0], 0);
    for (int t = 1; t <= 13; ++t) EXPECT_GE(ns[static_cast<std::size_t>(t)], ns[static_cast<std::size_t>(t - 1)]);
    EXPECT_GT(ns[9] - ns[8], 9) << "game made against one down swings double digits";

    const TrickPayoffs ew = TrickPayoff({Bid(3, NoTrump), 0, West, VulNS}, ImpScoring, true);
    EXPECT_EQ(ew[13], 0);
    for (int t = 1; t <= 13; ++t) EXPECT_LE(ew[static_cast<std::size_t>(t)], ew[static_cast<std::size_t>(t - 1)]);
}

TEST(PlayBlockTest, TheTablesBlockCarriesTheContractDummyAndDefaultsAndIsAccepted) {
    PlayBlockRequest r;
    r.Contract = {Bid(4, Hearts), 2, West, VulEW};
    r.Seat = East;
    const std::array<int, 4> lengths{4, 3, 3, 3};
    std::size_t n = 0;
    for (int suit = 0; suit < 4; ++suit) {
        for (int k = 0; k < lengths[static_cast<std::size_t>(suit)]; ++k) r.SeatCards[n++] = MakeCard(suit, Ace - k);
    }
    r.TimeTenths = 300;
    r.Seed = 987654;
    const PlayBlock b = BuildPlayBlock(r);
    namespace layout = sds::block;
    EXPECT_EQ(b[layout::Trump], Hearts);
    EXPECT_EQ(b[layout::Level], 4);
    EXPECT_EQ(b[layout::Doubled], 2);
    EXPECT_EQ(b[layout::Vulnerable], 1);
    EXPECT_EQ(b[layout::Declarer], West);
    EXPECT_EQ(b[layout::Seat], East);
    EXPECT_EQ(b[6], -1);
    EXPECT_EQ(b[7], 1);
    EXPECT_EQ(b[9], 3);
    EXPECT_EQ(b[layout::SeatCards], Clubs);
    EXPECT_EQ(b[layout::SeatCards + 1], Ace);
    EXPECT_EQ(b[layout::SeatCards + 24], Spades);
    EXPECT_EQ(b[layout::SeatCards + 25], Queen);
    const TrickPayoffs payoff = TrickPayoff(r.Contract, ImpScoring, true);
    for (int t = 0; t <= 13; ++t) EXPECT_EQ(b[static_cast<std::size_t>(layout::Payoff + t)], payoff[static_cast<std::size_t>(t)]);
    for (int seat = 0; seat < 4; ++seat) {
        const auto at = static_cast<std::size_t>(layout::Shown + seat * layout::ShownSize);
        EXPECT_EQ(b[at], 1);
        EXPECT_EQ(b[at + 1], 0);
        EXPECT_EQ(b[at + 2], 40);
        EXPECT_EQ(b[at + 3], -1);
        EXPECT_EQ(b[at + 8], 0);
        EXPECT_EQ(b[at + 12], 13);
        EXPECT_EQ(b[at + 20], -1);
    }
    EXPECT_EQ(b[147], 0);
    EXPECT_EQ(b[layout::TimeAllowance], 300);
    EXPECT_EQ(b[layout::Seed], 987654);

    sds::Block values{};
    std::copy(b.begin(), b.end(), values.begin());
    sds::SingleDummyPlayer player;
    EXPECT_EQ(player.Initialize(values), 0);
    EXPECT_EQ(player.SeatToPlay(), North) << "the declarer's left-hand opponent leads";
}

}  // namespace
}  // namespace corvane
