#include "support/CliRun.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using corvane::test::CliRun;
using corvane::test::RunCli;

TEST(ScoreCommandTest, PrintsTheDuplicateScore) {
    CliRun run = RunCli("score --contract 4SX --declarer S --vul NS --tricks 9");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "NS -200\n");
    run = RunCli("score --contract 3nt --declarer e --vul both --tricks 10");
    EXPECT_EQ(run.out, "NS -630\n");
    run = RunCli("score --contract Pass");
    EXPECT_EQ(run.out, "NS 0\n");
}

TEST(ScoreCommandTest, RefusesBadArgumentsWithOneLine) {
    for (const char* arguments : {"score --contract 8S --declarer S --tricks 9",
                                  "score --contract 4SXXX --declarer S --tricks 9",
                                  "score --contract 4Q --declarer S --tricks 9",
                                  "score --contract 4S --declarer Z --tricks 9",
                                  "score --contract 4S --declarer S --tricks 14",
                                  "score --contract 4S --declarer S --tricks=-1",
                                  "score --contract 4S --declarer S --vul XY --tricks 9",
                                  "score --contract 4S --declarer S", "imps abc", "imps"}) {
        const CliRun run = RunCli(arguments);
        EXPECT_NE(run.exitCode, 0) << arguments;
        EXPECT_FALSE(run.out.empty()) << arguments;
        EXPECT_EQ(run.out.find('\n'), run.out.size() - 1) << arguments << ": " << run.out;
    }
}

TEST(ImpsCommandTest, PrintsSignedImps) {
    EXPECT_EQ(RunCli("imps 620").out, "12\n");
    EXPECT_EQ(RunCli("imps -620").out, "-12\n");
    EXPECT_EQ(RunCli("imps 19").out, "0\n");
}

}  // namespace
