#include "BidderFixture.h"

#include "bidding/PartnershipEvaluation.h"

namespace corvane::test {
namespace {

// A rule that gives one call a meaning and a score and leaves the rest unexplained.
SituationRule Scores(std::initializer_list<std::pair<const char*, int>> scores) {
    std::vector<std::pair<CallCode, int>> table;
    for (const auto& [text, value] : scores) table.emplace_back(CaseCallFromText(text), value);
    return [table](BidderContext& c) {
        for (const auto& [call, value] : table) {
            if (call == c.CandidateCall) {
                c.MeaningCode = meaning::Natural;
                c.Score = value;
            }
        }
    };
}

TEST(SelectionFrame, EqualScoresFavourTheHigherCallUnlessNegative) {
    BidderFixture f;
    f.c.Rules.ScorePass = Scores({{"P", -10}});
    f.c.Rules.ScoreOpening = Scores({{"1C", 0}, {"1D", 0}});
    f.Deal(North, "S:432 H:432 D:5432 C:432");
    EXPECT_EQ(f.ChooseText(), "1D");
    f.c.Rules.ScoreOpening = Scores({{"1C", -3}, {"1D", -3}});
    EXPECT_EQ(f.ChooseText(), "1C");
    // A pass scored first is the best even when ruled out.
    f.c.Rules.ScorePass = Scores({{"P", 0}});
    f.c.Rules.ScoreOpening = Scores({});
    EXPECT_EQ(f.ChooseText(), "P");
}

TEST(SelectionFrame, FallbackToTheCallTheHandIsTooStrongFor) {
    BidderFixture f;
    f.c.Rules.ScorePass = Scores({{"P", -10}});
    f.c.Rules.ScoreOpening = [](BidderContext& c) {
        if (c.CandidateCall != BidCode(1, Clubs)) return;
        c.MeaningCode = meaning::OneClubOpening;
        c.NewBidInfo.MaxPts = 10;
        c.Score = 5;
    };
    f.Deal(North, "S:AK2 H:K32 D:Q32 C:KJ32");
    EXPECT_EQ(f.ScoreOf("1C"), score::TooStrongForCall);
    EXPECT_EQ(f.ChooseText(), "1C");
    EXPECT_EQ(f.c.FallbackScore, -6);  // marked down by the six points too many
}

TEST(SelectionFrame, EverythingRuledOutMeansPass) {
    BidderFixture f;
    f.c.Rules.ScorePass = {};  // the pass too keeps the default meaning and is ruled out
    f.c.Rules.ScoreOpening = {};
    f.Deal(North, "S:AK2 H:K32 D:Q32 C:KJ32");
    EXPECT_EQ(f.ScoreOf("P"), score::Disabled);
    EXPECT_LE(f.ScoreOf("1C"), score::RuledOut);
    EXPECT_EQ(f.ChooseText(), "P");
}

TEST(SelectionFrame, PersonsUnexplainedCallIsRecordedAsNatural) {
    BidderFixture f;
    f.Deal(North, "S:AK2 H:K32 D:Q32 C:KJ32");
    f.c.Hands[South].PlayedHere = true;
    f.Calls({"1C", "P"});
    ASSERT_EQ(f.c.Bidder, South);
    EXPECT_EQ(AcceptCall(f.c, BidCode(2, Spades)), "");
    EXPECT_EQ(f.c.Players[South].LastMeaning, meaning::Natural);
    EXPECT_TRUE(f.c.Players[South].Meanings.Contains(meaning::Natural));
    EXPECT_EQ(f.c.Auction.Calls.back(), "2S");
    EXPECT_EQ(f.c.Auction.HighestBid, BidCode(2, Spades));
    EXPECT_EQ(f.c.Bidder, West);
}

TEST(SelectionFrame, RaiseAfterPenaltyDoubleIsRuledOut) {
    BidderFixture f;
    f.c.Rules.ScoreSuitResponse = [](BidderContext& c) {
        if (c.CandidateCall != BidCode(2, Spades)) return;
        c.MeaningCode = meaning::Raise;
        c.Score = 10;
    };
    f.Deal(South, "S:K32 H:5432 D:Q32 C:432");
    f.Calls({"1S", "X"});
    ASSERT_EQ(f.c.Bidder, South);
    EXPECT_EQ(f.ScoreOf("2S"), 10);
    f.c.Players[East].LastMeaning = meaning::PenaltyDouble;
    PrepareBidder(f.c);
    EXPECT_EQ(f.ScoreOf("2S"), score::RuledOut);
}

TEST(SelectionFrame, HighCallsBeforeTheFourLevelGetABonus) {
    BidderFixture f;
    f.c.Rules.ScoreOpening = Scores({{"7N", 0}});
    f.Deal(North, "S:AKQ H:AKQ D:AKQJ C:AKQ");
    EXPECT_EQ(f.RuleScore("7N"), 5);
}

TEST(SelectionFrame, AcceptedCallsBuildTheAuctionAndWhatWasShown) {
    BidderFixture f;
    f.Deal(North, "S:AQ832 H:K4 D:K32 C:Q54");
    f.Calls({"1S"});
    EXPECT_EQ(f.c.Players[North].LastMeaning, meaning::OneSpadeOpening);
    EXPECT_EQ(f.c.ShownBy(North).MinLen[Spades], 5);
    EXPECT_EQ(f.c.ShownBy(North).MinPts, 13);
    EXPECT_EQ(f.c.ShownBy(North).BidSuit, Spades);
    EXPECT_EQ(f.c.Auction.Opener, North);
    EXPECT_EQ(f.c.Bidder, East);
    EXPECT_EQ(f.c.PartnerLastMeaning, meaning::NotYetCalled);
    f.Calls({"P"});
    EXPECT_EQ(f.c.PartnerLastMeaning, meaning::OneSpadeOpening);
    EXPECT_EQ(f.c.PartnerMin, 13);
    EXPECT_EQ(f.c.PartnerMax, 22);
    // Responses are not built yet: responder's bids are ruled out and it passes.
    EXPECT_EQ(f.ChooseText(), "P");
}

TEST(SelectionFrame, HintAndTestLeaveTheStateAsItWas) {
    BidderFixture f;
    f.Deal(North, "S:AQ832 H:K4 D:K32 C:Q54");
    f.c.Hands[North].PlayedHere = true;
    PrepareBidder(f.c);
    const CallMeaning hint = HintCall(f.c);
    EXPECT_EQ(hint.Call, BidCode(1, Spades));
    EXPECT_EQ(hint.Meaning, meaning::OneSpadeOpening);
    const CallMeaning test = TestCall(f.c, BidCode(1, NoTrump));
    EXPECT_EQ(test.Meaning, meaning::OneNTOpening);
    EXPECT_EQ(test.Info.MinPts, 15);
    EXPECT_TRUE(f.c.Auction.Calls.empty());
    EXPECT_EQ(f.c.Bidder, North);
    AcceptCall(f.c, BidCode(1, Spades));
    EXPECT_EQ(ExplainLastCall(f.c, North).Meaning, meaning::OneSpadeOpening);
}

TEST(SelectionFrame, TakeBackReplaysThroughTheBidder) {
    BidderFixture f;
    f.Deal(North, "S:AQ832 H:K4 D:K32 C:Q54");
    f.Calls({"1S", "P", "P"});
    AuctionReplay replay;
    BidderContext& c = f.c;
    replay.Restart = [&c](Auction& a) { StartAuction(c, a.Dealer); };
    replay.Accept = [&c](Auction&, CallCode call, std::string_view) { AcceptCall(c, call); };
    TakeBackCall(c.Auction, replay);
    EXPECT_EQ(c.Auction.Calls.size(), 2U);
    EXPECT_EQ(c.Players[South].LastMeaning, meaning::NotYetCalled);
    EXPECT_EQ(c.Players[North].LastMeaning, meaning::OneSpadeOpening);
    EXPECT_EQ(c.Bidder, South);
}

}  // namespace
}  // namespace corvane::test
