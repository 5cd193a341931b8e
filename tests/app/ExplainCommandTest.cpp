#include "support/CliRun.h"

#include <gtest/gtest.h>

namespace corvane::test {
namespace {

bool Has(const CliRun& run, const std::string& text) { return run.out.find(text) != std::string::npos; }

TEST(ExplainCommand, KeySectionAndMeaningOfTheLastCall) {
    const CliRun run = RunCli("explain --auction \"1H (2C) 2H\"");
    EXPECT_EQ(run.exitCode, 0) << run.out;
    EXPECT_TRUE(Has(run, "Sequence key: 1H-(2C)-2H\n")) << run.out;
    EXPECT_TRUE(Has(run, "N 1H\tkey 1H"));
}

TEST(ExplainCommand, EarlierDefinitionsFeedWhatTheCallStartsFrom) {
    // West opens 1C, North doubles, East passes: South's 1H answers the double.
    const CliRun run = RunCli("explain --dealer W --auction \"1C X P 1H\"");
    EXPECT_EQ(run.exitCode, 0) << run.out;
    EXPECT_TRUE(Has(run, "Sequence key: (1C)-X-1H\n")) << run.out;
    EXPECT_TRUE(Has(run, "Definition:   [STD] priority 0: P0-8 H4+\n")) << run.out;
    EXPECT_TRUE(Has(run, "  points 0-8\n")) << run.out;
    EXPECT_TRUE(Has(run, "  hearts 4-13\n")) << run.out;
}

TEST(ExplainCommand, SectionsFollowTheCard) {
    // Key-card answers: plain aces on the standard card, key cards on the two-over-one card.
    const std::string auction = "explain --auction \"1S P 3S P 4N P 5C\"";
    CliRun run = RunCli(auction);
    EXPECT_TRUE(Has(run, "Sequence key: @4N-5C\n")) << run.out;
    EXPECT_TRUE(Has(run, "[{RKC] priority 4")) << run.out;
    EXPECT_TRUE(Has(run, "Explanation:  0 or 4 aces")) << run.out;
    run = RunCli(auction + " --card \"Two over One.cc\"");
    EXPECT_TRUE(Has(run, "[RKC_MW>0314] priority 8")) << run.out;
    EXPECT_TRUE(Has(run, "Alternative 2:")) << run.out;
}

TEST(ExplainCommand, RefusesBadArgumentsWithOneLine) {
    for (const char* arguments : {"explain --auction \"1H 1C\"", "explain --auction \"1Q\"",
                                  "explain --auction \"\"", "explain --auction 1H --dealer Q",
                                  "explain --auction 1H --card Missing.cc"}) {
        const CliRun run = RunCli(arguments);
        EXPECT_EQ(run.exitCode, 1) << arguments;
        EXPECT_TRUE(Has(run, "corvane-cli explain: ")) << arguments << run.out;
    }
}

}  // namespace
}  // namespace corvane::test
