#include "support/Sanitizer.h"
#include "table/SingleDummyBench.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

// Double-dummy opponents never let the library's side beat the double-dummy result: a
// declarer above it, or defenders below it, means the play or the trick count is wrong.
TEST(SingleDummyBenchTest, LibraryPlayNeverBeatsDoubleDummyOpponents) {
    CORVANE_SKIP_FULL_TABLES_UNDER_SANITIZERS();
    SingleDummyBenchSettings settings;
    settings.Deals = 1;
    settings.Seed = 3;
    settings.Samples = 1;
    const SingleDummyBenchResult r = RunSingleDummyBench(settings);
    ASSERT_EQ(r.Error, "");
    ASSERT_EQ(r.Deals.size() + static_cast<std::size_t>(r.Skipped), 1u);
    for (const SingleDummyBenchDeal& d : r.Deals) {
        EXPECT_LE(d.DeclarerPlaysTricks, d.DoubleDummyTricks);
        EXPECT_GE(d.DefencePlaysTricks, d.DoubleDummyTricks);
        EXPECT_GE(d.DoubleDummyTricks, d.Level + 6) << "the contract chosen is makeable";
    }
    EXPECT_GE(r.DeclarerLoss, 0);
    EXPECT_GE(r.DefenceLoss, 0);
    EXPECT_FALSE(r.DecisionMs.empty());
    EXPECT_LE(r.MedianMs, r.P95Ms);
}

}  // namespace
}  // namespace corvane
