#include "BidderFixture.h"

#include "bidding/rules/SituationRules.h"

namespace corvane::test {
namespace {

TEST(OpeningBids, OneOfASuitAgainstNotrumpByLengthAndStrength) {
    BidderFixture f;
    // Balanced with five diamonds: 1D and 1NT tie at 11 and the higher call wins.
    f.Deal(North, "S:K32 H:A4 D:AQ832 C:Q54");
    EXPECT_EQ(f.RuleScore("1D"), 11);
    EXPECT_EQ(f.RuleScore("1N"), 11);
    EXPECT_EQ(f.ChooseText(), "1N");
    // A five-card major at most 16 total points outscores 1NT.
    f.Deal(North, "S:AQ832 H:K4 D:K32 C:Q54");
    EXPECT_EQ(f.RuleScore("1S"), 13);
    EXPECT_EQ(f.ChooseText(), "1S");
    // With 17 total points the major scores its length; 1NT shows at most four spades.
    f.Deal(North, "S:AQ832 H:K4 D:K32 C:KJ4");
    EXPECT_EQ(f.RuleScore("1S"), 5);
    EXPECT_EQ(f.ScoreOf("1N"), -1);
    EXPECT_EQ(f.ChooseText(), "1S");
}

TEST(OpeningBids, MajorChoicesAndTwoLongSuits) {
    BidderFixture f;
    f.Deal(North, "S:AQ32 H:KJ32 D:K32 C:Q2");
    EXPECT_EQ(f.RuleScore("1H"), 3);
    EXPECT_EQ(f.RuleScore("1S"), 2);
    EXPECT_EQ(f.c.NewBidInfo.MinLen[Spades], 5);  // five-card majors on the shipped card
    // Six clubs and five spades with a minimum: the higher suit first.
    f.Deal(North, "S:AQ832 H:- D:43 C:KQ8765");
    EXPECT_EQ(f.RuleScore("1S"), 100);
    EXPECT_EQ(f.ChooseText(), "1S");
    // Five-four in the minors opens 1D when minimum.
    f.Deal(North, "S:2 H:K43 D:KQ32 C:AJ432");
    EXPECT_LE(f.RuleScore("1C"), -100);
    EXPECT_EQ(f.ChooseText(), "1D");
}

TEST(OpeningBids, SeatRulesAndPassesInFourthSeat) {
    BidderFixture f;
    // Fourth seat, 11 HCP, 12 total points and two spades: no one-level opening, and a
    // five-card suit is no weak two.
    f.Deal(West, "S:32 H:AQ432 D:KT2 C:Q32");
    f.Calls({"P", "P", "P"});
    for (const char* call : {"1C", "1D", "1H", "1S"}) EXPECT_LE(f.RuleScore(call), -100) << call;
    EXPECT_LT(f.ScoreOf("2H"), 0);
    EXPECT_EQ(f.ChooseText(), "P");
    // A point more opens in first seat.
    f.Deal(North, "S:32 H:AQ432 D:KJ2 C:Q32");
    EXPECT_EQ(f.ChooseText(), "1H");
    // A pass before anyone has bid denies an opening hand.
    f.Deal(North, "S:32 H:Q5432 D:T92 C:Q32");
    EXPECT_EQ(f.ChooseText(), "P");
    AcceptCall(f.c, Pass);
    EXPECT_EQ(f.c.Players[North].LastMeaning, meaning::PassBeforeWeActed);
    EXPECT_EQ(f.c.ShownBy(North).MaxPts, 12);
}

TEST(OpeningBids, NotrumpRanges) {
    BidderFixture f;
    f.Deal(North, "S:AK3 H:KQ4 D:AQ32 C:QJ4");  // 21 HCP, balanced
    EXPECT_EQ(f.ChooseText(), "2N");
    f.Deal(North, "S:AK3 H:KQ4 D:AQ32 C:KJ4");  // 22: too strong for 2NT
    EXPECT_EQ(f.ScoreOf("2N"), score::TooStrongForCall);
    f.Deal(North, "S:AK3 H:AKQ4 D:KQ32 C:KJ");  // 25, all stopped
    EXPECT_EQ(f.RuleScore("3N"), 100);
    EXPECT_GE(f.ScoreOf("3N"), 0);
    // The 4NT opening scores 100 but shows 33 points, so verification rejects it.
    EXPECT_EQ(f.RuleScore("4N"), 100);
    EXPECT_EQ(f.c.MeaningCode, meaning::AceAsk);
    EXPECT_LT(f.ScoreOf("4N"), 0);
    // 5422 with a weak doubleton never opens notrump.
    f.Deal(North, "S:AQJ32 H:KQ32 D:K2 C:32");
    EXPECT_LE(f.RuleScore("1N"), -100);
}

TEST(OpeningBids, StrongTwoClubsAndWeakTwos) {
    BidderFixture f;
    f.Deal(North, "S:AKQJ82 H:AKJ3 D:A2 C:2");
    EXPECT_EQ(f.RuleScore("2C"), 100);
    EXPECT_EQ(f.c.MeaningCode, meaning::StrongTwoClubs);
    EXPECT_EQ(f.ChooseText(), "2C");
    f.Deal(North, "S:KQJ982 H:32 D:432 C:32");
    EXPECT_EQ(f.RuleScore("2S"), 5);
    EXPECT_EQ(f.c.MeaningCode, meaning::WeakTwo);
    EXPECT_TRUE(f.c.NewBidInfo.PointsAreHCP);
    EXPECT_EQ(f.c.NewBidInfo.MinLen[Spades], 6);
    // Two singletons spoil a weak two.
    f.Deal(North, "S:KQJ982 H:3 D:4 C:65432");
    EXPECT_LE(f.RuleScore("2S"), -100);
    // A minor weak two in fourth seat is never made.
    f.Deal(West, "S:32 H:32 D:KQJ982 C:432");
    f.Calls({"P", "P", "P"});
    EXPECT_LE(f.RuleScore("2D"), -100);
}

TEST(OpeningBids, PreemptsBySeatAndVulnerability) {
    BidderFixture f;
    const char* hand = "S:5 H:KQJ98543 D:73 C:62";
    f.Deal(North, hand, North, VulEW);  // favourable
    const double favourable = (f.RuleScore("3H"), f.c.NewBidInfo.MaxLosers);
    EXPECT_EQ(f.c.MeaningCode, meaning::Preempt);
    EXPECT_EQ(f.c.Score, 18);
    f.Deal(North, hand, North, VulNS);  // unfavourable: two tricks less, one more when vulnerable
    EXPECT_DOUBLE_EQ((f.RuleScore("3H"), f.c.NewBidInfo.MaxLosers), favourable - 3);
    EXPECT_LT(f.ScoreOf("3H"), 0);
    // Third seat: six cards are enough at the three level; fourth seat never preempts low.
    f.Deal(South, "S:5 H:KQJ985 D:732 C:632");
    f.Calls({"P", "P"});
    f.RuleScore("3H");
    EXPECT_EQ(f.c.NewBidInfo.MinLen[Hearts], 6);
    f.Deal(West, hand);
    f.Calls({"P", "P", "P"});
    EXPECT_LE(f.RuleScore("3H"), -100);
    EXPECT_GE(f.RuleScore("4H"), 0);
}

TEST(OpeningBids, CardChoicesThatChangeTheMeaning) {
    BidderFixture f;
    f.data.Cards.Card(1).Set("3N", "GAMB");
    f.Deal(North, "S:4 H:932 D:AKQJ432 C:32");
    f.RuleScore("3N");
    EXPECT_EQ(f.c.MeaningCode, meaning::GamblingOrNamyats);
    EXPECT_EQ(f.c.ExplanationNumber, 183);
    EXPECT_EQ(f.c.NewBidInfo.MinLen[Diamonds], 7);
    f.data.Cards.Card(1).Set("NAMY", "X");
    f.Deal(North, "S:4 H:AKQJ7532 D:A3 C:32");
    EXPECT_EQ(f.RuleScore("4C"), 200);
    EXPECT_EQ(f.c.NewBidInfo.MinLen[Hearts], 7);
    EXPECT_EQ(f.c.ExplanationNumber, 191);
    f.data.Cards.Card(1).Set("GENS", "PREC");
    f.Deal(North, "S:AK32 H:KQ4 D:A32 C:K32");
    EXPECT_EQ(f.RuleScore("1C"), 100);
    EXPECT_EQ(f.c.MeaningCode, meaning::PrecisionOneClub);
}

TEST(OpeningBids, ExplanationsComeFromTheAlertTable) {
    BidderFixture f;
    f.data.Cards.Card(1).Set("GENS", "PREC");
    f.Deal(North, "S:AK32 H:KQ4 D:A32 C:K32");
    EXPECT_EQ(AcceptCall(f.c, BidCode(1, Clubs)), "Precision 1C: 16 or more points, artificial");
    EXPECT_EQ(CallExplanation(f.c.Auction, 0), "Precision 1C: 16 or more points, artificial");
    // Hidden explanations leave the call without one.
    f.Deal(North, "S:AK32 H:KQ4 D:A32 C:K32");
    f.c.ExplanationsHidden[North] = true;
    EXPECT_EQ(AcceptCall(f.c, BidCode(1, Clubs)), "");
    EXPECT_EQ(f.c.Auction.Calls[0], "1C");
}

}  // namespace
}  // namespace corvane::test
