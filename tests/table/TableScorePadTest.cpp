// The open room's score pad after an IMP hand.
#include "TableFixture.h"

namespace corvane::testing {
namespace {

TEST_F(TableTest, TheScorePadShowsTheResultAndHowManyTablesPlayedTheBoard) {
    options.PlayerName = "Ann";
    BidOneHeartBySouth();
    table->FastClaimClick();
    ASSERT_EQ(S().Phase, PhaseHandOver);
    EXPECT_TRUE(view.Shown(Panel::ScorePad));
    ScorePadRows pad = table->OpenRoomScorePad();
    ASSERT_EQ(pad.size(), 9u);
    EXPECT_EQ(pad[0][0], "Open Room");
    const std::string made = S().DeclarerTricks >= 7 ? " Ann made 1~H" : " Ann down ";
    EXPECT_EQ(pad[1][0].substr(0, made.size()), made);
    EXPECT_EQ(pad[1][1], std::to_string(S().HandScore));
    EXPECT_TRUE(pad[8][0].empty()); // no other table yet

    HandResultRecord other;
    other.Player = "Bob";
    other.Contract = BidCode(4, Hearts);
    other.Declarer = South;
    other.Tricks = 10;
    files.NewHands().StoreResult(S().HandNumber, other);
    pad = table->OpenRoomScorePad();
    EXPECT_EQ(pad[8][0], " Number of Tables");
    EXPECT_EQ(pad[8][1], "2");
    EXPECT_EQ(pad[7][0], " IMPs won this hand");
    EXPECT_EQ(pad[7][1], "0.00"); // the memory file does not compare results

    // Replayed, the pad recalls the first result with its own score.
    const int firstScore = S().HandScore;
    table->EOSReplayClick();
    ASSERT_EQ(S().Phase, PhasePlaying);
    table->FastClaimClick();
    pad = table->OpenRoomScorePad();
    EXPECT_EQ(pad[3][0], "Result the first time");
    EXPECT_EQ(pad[4][0], " you played this hand");
    EXPECT_EQ(pad[5][0], "1~H by South");
    EXPECT_EQ(pad[5][1], std::to_string(firstScore));
    EXPECT_TRUE(pad[7][0].empty());
}

} // namespace
} // namespace corvane::testing
