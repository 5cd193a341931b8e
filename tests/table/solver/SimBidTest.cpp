#include "SampleDeals.h"
#include "support/Sanitizer.h"
#include "table/solver/SimBid.h"
#include "table/solver/sds.h"

#include <gtest/gtest.h>

#include <numeric>

namespace corvane::sds {
namespace {

// The caller, South, holds the given hand; the contract is the caller's in spades.
Block CallerBlock(const std::array<Ranks, 4>& hand, int level, std::int32_t seed) {
    Block b = testing::TestBlock(hand, 2, 2, 3, seed);
    b[block::Level] = level;
    b[block::TimeAllowance] = 0;  // the fewest deals
    return b;
}

SimBidSettings FewDeals() {
    SimBidSettings s;
    s.MinimumDeals = 6;
    return s;
}

TEST(SimBidTest, ALaydownMakesAllThirteenOnEveryDeal) {
    // Every spade and no other card: declarer ruffs and draws trumps whatever the layout.
    std::array<Ranks, 4> hand{0, 0, 0, AllRanks};
    SolverPool pool(2);
    SimBidResult result{};
    const int n = SimulateBid(CallerBlock(hand, 7, 3), FewDeals(), pool, result);
    ASSERT_EQ(n, 6);
    EXPECT_EQ(result[0], 6);
    EXPECT_EQ(result[14], 6);
}

TEST(SimBidTest, CountsAddUpToTheDealsAndRepeatForTheSameSeed) {
    CORVANE_SKIP_FULL_TABLES_UNDER_SANITIZERS();
    const std::array<Ranks, 4> hand = testing::RandomDeal(31)[2];
    SolverPool pool(2);
    SimBidResult first{};
    const int n = SimulateBid(CallerBlock(hand, 4, 9), FewDeals(), pool, first);
    ASSERT_GT(n, 0);
    EXPECT_EQ(first[0], n);
    EXPECT_EQ(std::accumulate(first.begin() + 1, first.end(), 0), n);
    SimBidResult again{};
    SolverPool single(1);
    EXPECT_EQ(SimulateBid(CallerBlock(hand, 4, 9), FewDeals(), single, again), n);
    EXPECT_EQ(again, first) << "the thread count does not change the counts";
}

TEST(SimBidTest, TheShownRangesShapeTheDeals) {
    // Partner has shown thirteen clubs, trumps: North ruffs every lead and the rest are trumps.
    std::array<Ranks, 4> hand{0, 0, 0, AllRanks};
    Block b = CallerBlock(hand, 7, 4);
    b[block::Trump] = 0;
    b[static_cast<std::size_t>(block::Shown + 0 * block::ShownSize + block::ShownMinLength)] = 13;
    SolverPool pool(1);
    SimBidResult result{};
    ASSERT_EQ(SimulateBid(b, FewDeals(), pool, result), 6);
    EXPECT_EQ(result[14], 6);
}

TEST(SimBidTest, BadBlocksAndTheCEntryPointFail) {
    std::array<Ranks, 4> hand{0, 0, 0, AllRanks};
    SolverPool pool(1);
    SimBidResult result{};
    Block b = CallerBlock(hand, 7, 1);
    b[block::Trump] = 5;
    EXPECT_EQ(SimulateBid(b, FewDeals(), pool, result), SDS_BAD_BLOCK);
    b = CallerBlock(hand, 7, 1);
    b[block::SeatCards + 1] = 15;
    EXPECT_EQ(SimulateBid(b, FewDeals(), pool, result), SDS_BAD_BLOCK);

    SdsBlock c{};
    const Block good = CallerBlock(hand, 7, 1);
    for (int i = 0; i < SDS_BLOCK_SIZE; ++i) c.value[i] = good[static_cast<std::size_t>(i)];
    std::array<int32_t, SDS_SIMBID_RESULT_SIZE> out{};
    const int32_t n = SimBid(c, 1, out.data());
    ASSERT_GT(n, 0);
    EXPECT_EQ(out[0], n);
    EXPECT_EQ(out[14], n);
    EXPECT_LT(SimBid(c, 1, nullptr), 0);
}

}  // namespace
}  // namespace corvane::sds
