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
    EXPECT_TRUE(pad[8][0].empty());  // no other table yet

    HandResultRecord other;
    other.Player = "Bob";
    other.Contract = BidCode(4, Hearts);
    other.Declarer = South;
    other.Tricks = 10;
    files.NewHands().StoreResult(S().HandNumber, other);
    pad = table->OpenRoomScorePad();
    EXPECT_EQ(pad[8][0], " Number of Tables");
    EXPECT_EQ(pad[8][1], "2");
}

}  // namespace
}  // namespace corvane::testing
