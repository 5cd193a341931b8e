#include "scoring/BoardComparison.h"
#include "scoring/ScoringMode.h"

#include <gtest/gtest.h>

#include <climits>

namespace corvane {
namespace {

TEST(ImpsTest, EveryStepOfTheScale) {
    const int bounds[] = {20,  50,   90,   130,  170,  220,  270,  320,  370,  430,  500,  600,
                          750, 900, 1100, 1300, 1500, 1750, 2000, 2250, 2500, 3000, 3500, 4000};
    EXPECT_EQ(ImpsForDifference(0), 0);
    for (int imps = 1; imps <= 24; ++imps) {
        const int bound = bounds[imps - 1];
        EXPECT_EQ(ImpsForDifference(bound), imps) << bound;
        EXPECT_EQ(ImpsForDifference(bound - 1), imps - 1) << bound;
        EXPECT_EQ(ImpsForDifference(-bound), -imps) << bound;
    }
    EXPECT_EQ(ImpsForDifference(-620), -12);
    EXPECT_EQ(ImpsForDifference(4500), 24);
    EXPECT_EQ(ImpsForDifference(INT_MAX), 24);
    EXPECT_EQ(ImpsForDifference(INT_MIN), -24);
}

TEST(CompareBoardResultsTest, ImpsAndMatchpointsAcrossTheField) {
    const auto results = CompareBoardResults({420, 420, 170, -50});
    ASSERT_EQ(results.size(), 4U);
    EXPECT_EQ(results[0].ImpText, "NS 5.33");
    EXPECT_EQ(results[1].ImpText, "NS 5.33");
    EXPECT_EQ(results[0].MpText, "NS 2.50");
    EXPECT_EQ(results[2].MpText, "NS 1.00");
    EXPECT_EQ(results[3].MpText, "NS 0.00");
    EXPECT_EQ(results[3].ImpText, "NS -8.67");  // -10 twice and -6, over three
    EXPECT_DOUBLE_EQ(results[2].Imps, (-6 - 6 + 6) / 3.0);

    // A result not played neither counts nor is compared.
    const auto withUnplayed = CompareBoardResults({420, 420, 170, -50, NotPlayedScore});
    ASSERT_EQ(withUnplayed.size(), 5U);
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(withUnplayed[i].ImpText, results[i].ImpText);
        EXPECT_EQ(withUnplayed[i].MpText, results[i].MpText);
    }
    EXPECT_EQ(withUnplayed[4].ImpText, "NS 0.00");
    EXPECT_EQ(withUnplayed[4].MpText, "NS 0.00");
}

TEST(CompareBoardResultsTest, TiesShareTheMatchpoints) {
    const auto allEqual = CompareBoardResults({-100, -100, -100});
    for (const auto& r : allEqual) {
        EXPECT_EQ(r.MpText, "NS 1.00");
        EXPECT_EQ(r.ImpText, "NS 0.00");
    }
    const auto pair = CompareBoardResults({620, 170});
    EXPECT_EQ(pair[0].ImpText, "NS 10.00");
    EXPECT_EQ(pair[1].ImpText, "NS -10.00");
    EXPECT_EQ(pair[0].MpText, "NS 1.00");
    EXPECT_EQ(pair[1].MpText, "NS 0.00");
}

TEST(CompareBoardResultsTest, NothingToCompare) {
    EXPECT_TRUE(CompareBoardResults({}).empty());
    EXPECT_TRUE(CompareBoardResults({420}).empty());
    EXPECT_TRUE(CompareBoardResults({NotPlayedScore, NotPlayedScore}).empty());
    const auto lone = CompareBoardResults({420, NotPlayedScore});
    ASSERT_EQ(lone.size(), 2U);
    EXPECT_EQ(lone[0].ImpText, "NS 0.00");
    EXPECT_EQ(lone[0].MpText, "NS 0.00");
}

TEST(TotalPointsTest, ScoresAboveTheBoardsLowest) {
    const TotalPointsTable table = TotalPointsColumn({
        {420, 170, std::nullopt},
        {-50, NotPlayedScore, 100},
        {std::nullopt, 600},
    });
    using Row = std::vector<std::optional<int>>;
    ASSERT_EQ(table.Cells.size(), 3U);
    EXPECT_EQ(table.Cells[0], (Row{250, 0, std::nullopt}));
    EXPECT_EQ(table.Cells[1], (Row{0, std::nullopt, 150}));
    EXPECT_EQ(table.Cells[2], (Row{std::nullopt, 0, std::nullopt}));
    EXPECT_EQ(table.Totals, (std::vector<int>{250, 0, 150}));
}

}  // namespace
}  // namespace corvane
