#include "table/solver/DealSampler.h"
#include "table/solver/DecisionTally.h"
#include "table/solver/SolverPool.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <thread>
#include <vector>

namespace corvane::sds {
namespace {

// 3NT for the side to play: 400 for nine tricks or more, 50 a trick below, 30 an overtrick.
std::array<std::int32_t, 14> GamePayoff() {
    std::array<std::int32_t, 14> p{};
    for (int t = 0; t <= 13; ++t) p[static_cast<std::size_t>(t)] = t >= 9 ? 400 + 30 * (t - 9) : -50 * (9 - t);
    return p;
}

std::vector<int> InOrder(int n) {
    std::vector<int> v(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) v[static_cast<std::size_t>(i)] = i;
    return v;
}

TEST(DecisionTallyTest, RanksByPayoffThenTricksThenPreference) {
    // North-South to play: card 1 makes the game in one layout of two, card 0 takes more tricks
    // on average but never nine; cards 2 and 3 tie and the preference puts 3 first.
    DecisionTally ns(13, GamePayoff(), true, {3, 2, 1, 0});
    ns.Add({8, 9, 7, 7});
    ns.Add({8, 6, 7, 7});
    EXPECT_EQ(ns.Ranking(), (std::vector<int>{1, 0, 3, 2}));
    EXPECT_EQ(ns.Payoff(1), 400 - 150);
    EXPECT_EQ(ns.Tricks(0), 16);

    // East-West to play want North-South's payoff low: the same scores, read for the other side.
    std::array<std::int32_t, 14> theirs{};
    for (int s = 0; s <= 13; ++s) theirs[static_cast<std::size_t>(s)] = GamePayoff()[static_cast<std::size_t>(13 - s)];
    DecisionTally ew(13, theirs, false, InOrder(2));
    ew.Add({5, 4});  // card 0 holds declarer to eight tricks, card 1 lets nine make
    EXPECT_EQ(ew.Ranking().front(), 0);
}

TEST(DecisionTallyTest, SettlesOnlyWhenNoRivalCanCatchUp) {
    // One trick left: 0 or 1 trick, worth 0 or 100. Card 0 leads by 100 after one layout.
    std::array<std::int32_t, 14> payoff{};
    payoff[1] = 100;
    DecisionTally t(1, payoff, true, InOrder(2));
    t.Add({1, 0});
    EXPECT_FALSE(t.Settled(1, 1000)) << "one more layout could tie, and the tie goes to card 0 only by preference";
    EXPECT_TRUE(t.Settled(0, 1000));
    t.Add({1, 0});
    EXPECT_TRUE(t.Settled(1, 1000)) << "200 ahead, one layout of at most 100 left";
    EXPECT_FALSE(t.Settled(2, 1000));
    EXPECT_TRUE(t.Settled(2, 2)) << "card 1 never did better in the two layouts seen";

    // A rival that did better even once keeps the sampling going until it is out of reach.
    t.Add({0, 1});
    EXPECT_FALSE(t.Settled(5, 2));
    EXPECT_TRUE(t.Settled(0, 2));

    // Cards that tie in every layout settle once enough layouts are in: the tie-break decides.
    DecisionTally ties(13, GamePayoff(), true, InOrder(3));
    for (int s = 0; s < 4; ++s) ties.Add({9, 9, 9});
    EXPECT_FALSE(ties.Settled(10, 5));
    EXPECT_TRUE(ties.Settled(10, 4));
    EXPECT_EQ(ties.Ranking().front(), 0);
}

TEST(DecisionTallyTest, StoppingEarlyNeverChangesTheChoice) {
    // Random layouts of four cards: wherever the tally first calls the choice settled with the
    // out-of-reach rule alone, the choice after every layout is the same. And where one card is
    // clear-cut (better than the others in every layout), stopping as soon as allowed keeps it.
    SampleRandom random(99);
    int stoppedEarly = 0;
    for (int round = 0; round < 300; ++round) {
        const int total = 8 + random.Below(40);
        const int tricksLeft = 1 + random.Below(13);
        const bool clearCut = round % 2 == 1;
        std::vector<std::vector<int>> layouts;
        for (int s = 0; s < total; ++s) {
            std::vector<int> scores(4);
            for (int& v : scores) v = clearCut ? random.Below(tricksLeft) : random.Below(tricksLeft + 1);
            if (clearCut) scores[2] = tricksLeft;
            // Some rounds lean hard towards one card, so the gap can open early.
            if (!clearCut && round % 3 == 0) scores[1] = tricksLeft;
            layouts.push_back(scores);
        }
        DecisionTally full(tricksLeft, GamePayoff(), true, InOrder(4));
        for (const auto& l : layouts) full.Add(l);
        DecisionTally early(tricksLeft, GamePayoff(), true, InOrder(4));
        const int unbeatenAfter = clearCut ? 4 : total + 1;
        for (int s = 0; s < total; ++s) {
            early.Add(layouts[static_cast<std::size_t>(s)]);
            if (early.Settled(total - s - 1, unbeatenAfter)) break;
        }
        if (early.Samples() < total) ++stoppedEarly;
        EXPECT_EQ(early.Ranking().front(), full.Ranking().front()) << "round " << round;
    }
    EXPECT_GT(stoppedEarly, 50) << "the early stop should fire in many rounds";
}

TEST(DecisionTallyTest, PoolStopsAtTheSamePrefixWhateverTheThreadTiming) {
    // Jobs finish out of order (the even ones are slow); the stop still comes after the sixth.
    SolverPool pool(2);
    std::vector<int> seen;
    std::vector<int> ran(20, 0);
    const auto job = [&](int i, DoubleDummySolver&) {
        if (i % 2 == 0) std::this_thread::sleep_for(std::chrono::milliseconds(3));
        ran[static_cast<std::size_t>(i)] = 1;
        return true;
    };
    const auto enough = [&](int finished) {
        seen.push_back(finished);
        return finished == 6;
    };
    EXPECT_EQ(pool.Run(20, 0, std::chrono::steady_clock::time_point::max(), job, enough), 6);
    EXPECT_EQ(seen, (std::vector<int>{1, 2, 3, 4, 5, 6}));
    for (int i = 0; i < 6; ++i) EXPECT_EQ(ran[static_cast<std::size_t>(i)], 1);
    EXPECT_LT(std::count(ran.begin(), ran.end(), 1), 10) << "the handing out stopped";

    // Without a stop every job runs and the prefix reaches the end.
    seen.clear();
    EXPECT_EQ(pool.Run(7, 0, std::chrono::steady_clock::time_point::max(), job,
                       [&](int finished) { seen.push_back(finished); return false; }),
              7);
    EXPECT_EQ(seen.size(), 7u);
}

}  // namespace
}  // namespace corvane::sds
