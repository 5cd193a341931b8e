// The terminal table driven by a scripted person on its standard input.
#include "support/CliRun.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using corvane::test::CliRun;
using corvane::test::RunCliWithInput;

std::string Lines(std::initializer_list<const char*> lines, int emptyLines = 0) {
    std::string text;
    for (const char* line : lines) text += std::string(line) + "\n";
    for (int i = 0; i < emptyLines; ++i) text += "\n";
    return text;
}

int Count(const std::string& text, const std::string& part) {
    int n = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
    return n;
}

// South bids the grand slam in notrump (every call before it is lower, so it always stands),
// passes after it, and plays both hands of the side with empty lines (Enter).
const std::string GrandSlamBySouth = Lines({"7N", "P", "P", "P"}, 80);

TEST(PlayCommandTest, ScriptedHandGoesFromTheCallsToTheScore) {
    const CliRun run = RunCliWithInput("play --seed 4242", GrandSlamBySouth + "quit\n");
    EXPECT_EQ(run.exitCode, 0) << run.out;
    EXPECT_NE(run.out.find("South to call>"), std::string::npos);
    EXPECT_NE(run.out.find("Contract 7N"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("to play>"), std::string::npos);
    // The last trick is shown before the score, then the score once.
    EXPECT_NE(run.out.find("declarer "), std::string::npos);
    EXPECT_NE(run.out.find("N-S score"), std::string::npos) << run.out.substr(run.out.size() > 3000 ? run.out.size() - 3000 : 0);
}

TEST(PlayCommandTest, TakeBackClaimReplayAndNextHand) {
    // The take-back gives East's card back; Enter lets the computer play it again.
    const std::string script = Lines({"7N", "P", "P", "P", "", "", "back", "", "hint", "", "claim",
                                      "replay", "claim", "next"}) +
                               "quit\n";
    const CliRun run = RunCliWithInput("play --seed 4242", script);
    EXPECT_EQ(run.exitCode, 0) << run.out;
    EXPECT_NE(run.out.find("East to play: \"back\" takes back another card"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("Hint: "), std::string::npos) << run.out;
    // The claim ends the hand, the replay plays it again and the second claim ends it again.
    EXPECT_EQ(Count(run.out, "N-S score"), 2) << run.out;
    // The next board starts with an auction.
    EXPECT_GT(Count(run.out, "to call>"), 1);
}

TEST(PlayCommandTest, BadInputGetsAMessageAndTheEndOfInputEndsTheSession) {
    const std::string script = Lines({"hello", "9S", "1Q", "XXX", "S 1", "7N", "P", "P", "P", "",
                                      "ZZ", "AS", "AS", "11S"});
    const CliRun run = RunCliWithInput("play --seed 4242", script);
    EXPECT_EQ(run.exitCode, 0) << run.out;
    for (const char* bad : {"hello", "9S", "1Q", "XXX", "S 1"}) {
        EXPECT_NE(run.out.find(std::string("Not a call: \"") + bad + "\""), std::string::npos) << bad;
    }
    EXPECT_NE(run.out.find("The auction is over"), std::string::npos);
    EXPECT_NE(run.out.find("Not a card: \"ZZ\""), std::string::npos);
    EXPECT_NE(run.out.find("Not a card: \"11S\""), std::string::npos);
    // The ace of spades can be played once at most: the second try is refused.
    EXPECT_NE(run.out.find("(that card cannot be played now)"), std::string::npos) << run.out;
}

TEST(PlayCommandTest, EndOfInputAtAnyPointEndsCleanly) {
    for (const std::string& script : {std::string(), std::string("7N\n"), Lines({"7N", "P", "P", "P", ""}),
                                      std::string("1S")}) {
        const CliRun run = RunCliWithInput("play --seed 99", script, 60);
        EXPECT_EQ(run.exitCode, 0) << script << run.out;
    }
}

TEST(PlayCommandTest, RefusesBadArgumentsWithOneLine) {
    for (const char* arguments : {"play --seat Z", "play --seat NS", "play --seed 0",
                                  "play --ns-card \"No Such Card.cc\""}) {
        const CliRun run = RunCliWithInput(arguments, "");
        EXPECT_NE(run.exitCode, 0) << arguments;
        EXPECT_EQ(run.out.find('\n'), run.out.size() - 1) << arguments << ": " << run.out;
    }
}

}  // namespace
