#include "table/SingleDummyBenchLog.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

SingleDummyBenchDeal Played(std::int32_t seed, int dd, int declarer, int defence, int all,
                            std::vector<double> wall) {
    SingleDummyBenchDeal d;
    d.Seed = seed;
    d.Strain = 4;
    d.Level = 3;
    d.Declarer = 2;
    d.DoubleDummyTricks = dd;
    d.DeclarerPlaysTricks = declarer;
    d.DefencePlaysTricks = defence;
    d.AllPlayTricks = all;
    d.DecisionCpuMs = wall;
    for (double& t : d.DecisionCpuMs) t /= 2;
    d.DecisionMs = std::move(wall);
    return d;
}

SingleDummyBenchDeal SkippedDeal(std::int32_t seed) {
    SingleDummyBenchDeal d;
    d.Seed = seed;
    d.Skipped = true;
    return d;
}

TEST(SingleDummyBenchLogTest, PiecesMergeToTheFiguresOfOneRun) {
    const std::vector<SingleDummyBenchDeal> deals{Played(11, 9, 8, 10, 9, {1.5, 300.25}),
                                                  SkippedDeal(12), Played(13, 10, 10, 10, 8, {2, 4, 6})};
    const SingleDummyBenchResult whole = SummarizeSingleDummyBench(deals);
    EXPECT_EQ(whole.Deals.size(), 2u);
    EXPECT_EQ(whole.Skipped, 1);
    EXPECT_DOUBLE_EQ(whole.DeclarerLoss, 0.5);
    EXPECT_DOUBLE_EQ(whole.DefenceLoss, 0.5);
    EXPECT_DOUBLE_EQ(whole.AllDifference, -1);
    EXPECT_EQ(whole.DecisionMs.size(), 5u);
    EXPECT_DOUBLE_EQ(whole.MedianMs, 4);
    EXPECT_DOUBLE_EQ(whole.MedianCpuMs, 2);

    // Two logs, the second repeating a deal of the first (a piece run again), with a blank line
    // and CRLF line ends.
    const std::vector<std::string> first{FormatSingleDummyBenchLogLine(deals[0], 16),
                                         FormatSingleDummyBenchLogLine(deals[1], 16) + "\r", ""};
    const std::vector<std::string> second{FormatSingleDummyBenchLogLine(deals[1], 16),
                                          FormatSingleDummyBenchLogLine(deals[2], 16)};
    SingleDummyBenchLog log;
    ReadSingleDummyBenchLog(first, "a.log", log);
    ReadSingleDummyBenchLog(second, "b.log", log);
    ASSERT_EQ(log.Error, "");
    EXPECT_EQ(log.Samples, 16);
    EXPECT_EQ(log.Duplicates, 1);
    ASSERT_EQ(log.Deals.size(), 3u);
    EXPECT_EQ(log.Deals[2].DecisionCpuMs, (std::vector<double>{1, 2, 3}));
    const SingleDummyBenchResult merged = SummarizeSingleDummyBench(log.Deals);
    EXPECT_EQ(merged.Skipped, 1);
    EXPECT_DOUBLE_EQ(merged.DeclarerLoss, whole.DeclarerLoss);
    EXPECT_DOUBLE_EQ(merged.AllDifference, whole.AllDifference);
    EXPECT_EQ(merged.DecisionMs, whole.DecisionMs);
    EXPECT_DOUBLE_EQ(merged.P95Ms, whole.P95Ms);
}

TEST(SingleDummyBenchLogTest, BadLinesStopTheReadingWithTheirPlace) {
    const std::string good = FormatSingleDummyBenchLogLine(Played(5, 9, 9, 9, 9, {1}), 8);
    const auto errorOf = [&](const std::string& bad) {
        SingleDummyBenchLog log;
        ReadSingleDummyBenchLog({good, bad}, "x.log", log);
        EXPECT_EQ(log.Deals.size(), 1u) << bad;
        return log.Error;
    };
    EXPECT_EQ(errorOf(good.substr(0, good.size() / 2)), "x.log line 2: not one JSON object");
    EXPECT_EQ(errorOf(FormatSingleDummyBenchLogLine(Played(6, 9, 9, 9, 9, {1}), 16)),
              "x.log line 2: 16 samples, the lines before 8")
        << "figures of different settings are not mixed";
    EXPECT_EQ(errorOf(FormatSingleDummyBenchLogLine(Played(6, 14, 9, 9, 9, {1}), 8)),
              "x.log line 2: trick counts missing or out of range");
    std::string unmatched = FormatSingleDummyBenchLogLine(Played(6, 9, 9, 9, 9, {1, 2}), 8);
    unmatched.replace(unmatched.find("\"cpu_ms\": [0.500, 1.000]"), 24, "\"cpu_ms\": [0.500]");
    EXPECT_EQ(errorOf(unmatched), "x.log line 2: decision times missing or unmatched");
    EXPECT_EQ(errorOf("{\"seed\": 6, \"samples\": 8, \"wall_ms\": [-1]}"), "x.log line 2: no contract");
    EXPECT_EQ(errorOf("{\"seed\": 0, \"samples\": 8}"), "x.log line 2: no seed");
}

}  // namespace
}  // namespace corvane
