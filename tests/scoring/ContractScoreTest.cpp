#include "scoring/ContractScore.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

struct Case {
    const char* name;
    int level;
    Strain strain;
    int doubling;
    int tricks;
    bool vulnerable;
    int expected;  // declarer sitting South, duplicate scoring
};

constexpr Case Cases[] = {
    // Part-scores and games, every strain.
    {"1NT=", 1, NoTrump, 0, 7, false, 90},
    {"1NT+1", 1, NoTrump, 0, 8, false, 120},
    {"2S=", 2, Spades, 0, 8, false, 110},
    {"3C=", 3, Clubs, 0, 9, false, 110},
    {"3D+2", 3, Diamonds, 0, 11, true, 150},
    {"3NT= vul", 3, NoTrump, 0, 9, true, 600},
    {"3NT= nv", 3, NoTrump, 0, 9, false, 400},
    {"4H+1 vul", 4, Hearts, 0, 11, true, 650},
    {"5D= vul", 5, Diamonds, 0, 11, true, 600},
    {"4C+1", 4, Clubs, 0, 11, false, 150},
    // Doubled and redoubled makes: the trick score doubles into game, the insult is always paid.
    {"1CX=", 1, Clubs, 1, 7, false, 140},
    {"2CXX=", 2, Clubs, 2, 8, false, 560},
    {"4SX=", 4, Spades, 1, 10, false, 590},
    {"2HX+1 vul", 2, Hearts, 1, 9, true, 870},
    {"1SXX+1", 1, Spades, 2, 8, false, 720},
    {"7NTXX= vul", 7, NoTrump, 2, 13, true, 2980},
    // Slams.
    {"6S=", 6, Spades, 0, 12, false, 980},
    {"6S= vul", 6, Spades, 0, 12, true, 1430},
    {"7C=", 7, Clubs, 0, 13, false, 1440},
    {"7NT= vul", 7, NoTrump, 0, 13, true, 2220},
    // Undertricks.
    {"4S-1", 4, Spades, 0, 9, false, -50},
    {"4S-3 vul", 4, Spades, 0, 7, true, -300},
    {"3NTX-1", 3, NoTrump, 1, 8, false, -100},
    {"3NTX-2", 3, NoTrump, 1, 7, false, -300},
    {"3NTX-3", 3, NoTrump, 1, 6, false, -500},
    {"3NTX-4", 3, NoTrump, 1, 5, false, -800},
    {"3NTX-5", 3, NoTrump, 1, 4, false, -1100},
    {"3NTX-4 vul", 3, NoTrump, 1, 5, true, -1100},
    {"3NTX-2 vul", 3, NoTrump, 1, 7, true, -500},
    {"3NTXX-1 vul", 3, NoTrump, 2, 8, true, -400},
    {"3NTXX-4", 3, NoTrump, 2, 5, false, -1600},
    {"7NTX-13 vul", 7, NoTrump, 1, 0, true, -3800},
};

TEST(ContractScoreTest, DuplicateTable) {
    for (const Case& c : Cases) {
        EXPECT_EQ(ContractScore(BidCode(c.level, c.strain), c.doubling, South, c.tricks,
                                c.vulnerable),
                  c.expected)
            << c.name;
    }
}

TEST(ContractScoreTest, SignFollowsTheDeclaringSide) {
    const CallCode fourSpades = BidCode(4, Spades);
    EXPECT_EQ(ContractScore(fourSpades, 0, East, 10, false), -420);
    EXPECT_EQ(ContractScore(fourSpades, 0, West, 9, false), 50);
    EXPECT_EQ(ContractScore(fourSpades, 0, North, 10, false), 420);
}

TEST(ContractScoreTest, PassedOutScoresNothing) {
    EXPECT_EQ(ContractScore(Pass, 0, North, 0, false), 0);
    EXPECT_EQ(ContractScore(Pass, 0, East, 13, true), 0);
    EXPECT_TRUE(ScoreContract(Pass, 0, 0, false, ImpScoring).PassedOut());
}

TEST(ContractScoreTest, RubberScoringLeavesGamesToThePad) {
    EXPECT_EQ(ContractScore(BidCode(4, Spades), 0, South, 10, false, RubberScoring), 120);
    EXPECT_EQ(ContractScore(BidCode(1, Clubs), 1, South, 7, false, RubberScoring), 90);
    EXPECT_EQ(ContractScore(BidCode(6, Spades), 0, South, 12, false, RubberScoring), 680);
    EXPECT_EQ(ContractScore(BidCode(4, Spades), 0, South, 9, true, RubberScoring), -100);
    EXPECT_EQ(ContractScore(BidCode(4, Spades), 0, South, 10, false, MatchpointScoring), 420);
}

TEST(ContractScoreTest, BreakdownSeparatesTheLines) {
    const ScoreBreakdown made = ScoreContract(BidCode(2, Hearts), 1, 9, true, RubberScoring);
    EXPECT_TRUE(made.Made());
    EXPECT_EQ(made.Over, 1);
    EXPECT_EQ(made.TrickScore, 120);
    EXPECT_EQ(made.Bonus, 250);  // one doubled overtrick and the insult
    EXPECT_EQ(made.Penalty, 0);
    const ScoreBreakdown down = ScoreContract(BidCode(3, NoTrump), 0, 7, false, ImpScoring);
    EXPECT_FALSE(down.Made());
    EXPECT_EQ(down.Over, -2);
    EXPECT_EQ(down.TrickScore, 0);
    EXPECT_EQ(down.Penalty, 100);
    EXPECT_EQ(down.DeclarerScore(), -100);
}

TEST(ContractScoreTest, OutOfRangeInputsAreTakenAtTheNearestEnd) {
    const CallCode sevenNotrump = BidCode(7, NoTrump);
    EXPECT_EQ(ContractScore(sevenNotrump, 0, South, 40, false),
              ContractScore(sevenNotrump, 0, South, 13, false));
    EXPECT_EQ(ContractScore(sevenNotrump, 1, South, -2147483647, true),
              ContractScore(sevenNotrump, 1, South, 0, true));
    EXPECT_EQ(ContractScore(sevenNotrump, 9, South, 0, true),
              ContractScore(sevenNotrump, 2, South, 0, true));
}

}  // namespace
}  // namespace corvane
