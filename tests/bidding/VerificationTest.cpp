#include "BidderFixture.h"

#include "bidding/HandEvaluation.h"
#include "bidding/Verification.h"

namespace corvane::test {
namespace {

// Verifies a candidate 1C whose meaning the setup writes, starting from a score of 200.
int Verify(BidderFixture& f, const std::function<void(TBidInfo&)>& meaningOf, CallCode call = BidCode(1, Clubs)) {
    f.c.CandidateCall = call;
    f.c.CandidateStrain = IsBid(call) ? StrainOf(call) : NoTrump;
    f.c.CandidateLevel = LevelOf(call);
    f.c.NewBidInfo = f.c.OwnShown();
    f.c.MeaningCode = meaning::Natural;
    meaningOf(f.c.NewBidInfo);
    f.c.Score = DefinitionStartScore;
    VerifyCandidate(f.c);
    return f.c.Score;
}

void Points12To14(TBidInfo& i) {
    i.MinPts = 12;
    i.MaxPts = 14;
}

TEST(Verification, PointsShortOrTooStrong) {
    BidderFixture f;
    f.Deal(North, "S:K32 H:Q32 D:K32 C:Q432");  // 10 points
    EXPECT_EQ(Verify(f, Points12To14), -2);
    EXPECT_FALSE(f.c.TooStrong);
    f.Deal(North, "S:A32 H:K32 D:K32 C:AJ32");  // 15 points
    f.c.FallbackCall = Pass;
    f.c.FallbackScore = score::NoFallback;
    EXPECT_EQ(Verify(f, Points12To14), score::TooStrongForCall);
    EXPECT_TRUE(f.c.TooStrong);
    EXPECT_EQ(f.c.FallbackScore, -1);
    EXPECT_EQ(f.c.FallbackCall, BidCode(1, Clubs));
    // Either points or losers may be enough.
    f.Deal(North, "S:AKQJ32 H:2 D:32 C:5432");  // 10 points, few losers
    EXPECT_EQ(Verify(f, [](TBidInfo& i) { Points12To14(i); i.MaxLosers = 7; i.PointsOrLosers = 1; }), 200);
}

TEST(Verification, LosersAndLengths) {
    BidderFixture f;
    f.Deal(North, "S:Q32 H:Q32 D:Q432 C:Q32");  // about 10 losers
    const double losers = LosingTrickTotal(f.c.BidderHand());
    ASSERT_GT(losers, 8.5);
    EXPECT_EQ(Verify(f, [](TBidInfo& i) { i.MaxLosers = 7; }), -3 * RoundHalfEven(losers - 7 + 0.25));
    f.Deal(North, "S:AK32 H:Q32 D:Q32 C:Q32");
    const auto spades = [](int n) { return [n](TBidInfo& i) { i.MinLen[Spades] = n; }; };
    EXPECT_EQ(Verify(f, spades(5)), -1);
    EXPECT_EQ(Verify(f, spades(6)), -6);
    EXPECT_EQ(Verify(f, spades(7)), -103);
    EXPECT_EQ(Verify(f, [](TBidInfo& i) { i.MaxLen[Spades] = 2; }), -2);
    // One card short in a suit the call may show one short.
    EXPECT_EQ(Verify(f, [](TBidInfo& i) { i.MinLen[Spades] = 5; i.OneShortSuit = Spades; }), 0);
}

TEST(Verification, ConditionsEndTheTests) {
    BidderFixture f;
    f.Deal(North, "S:AK32 H:Q32 D:Q32 C:Q32");
    // Favourable only, at equal vulnerability: rejected, and no suit test runs after.
    EXPECT_EQ(Verify(f, [](TBidInfo& i) { i.VulCondition = "F"; i.MinLen[Hearts] = 9; }), score::RejectedByTest);
    EXPECT_EQ(Verify(f, [](TBidInfo& i) { i.Disabled = 1; }), score::Disabled);
    EXPECT_EQ(Verify(f, [](TBidInfo& i) { i.FourthSeat = 2; }), score::RejectedByTest);
    // A ruled-out pass ends lower than any bid.
    EXPECT_EQ(Verify(f, [](TBidInfo& i) { i.AcesCode = "3"; }, Pass), score::Disabled);
    EXPECT_EQ(Verify(f, [](TBidInfo& i) { i.AcesCode = "3"; }), score::RuledOut);
}

TEST(Verification, AceKingQueenAndControlCodes) {
    BidderFixture f;
    f.Deal(North, "S:AK32 H:Q32 D:K32 C:Q32");  // one ace, two kings, 4 controls
    EXPECT_EQ(Verify(f, [](TBidInfo& i) { i.AcesCode = "1"; }), 200);
    EXPECT_EQ(Verify(f, [](TBidInfo& i) { i.AcesCode = "2"; }), score::RuledOut);
    EXPECT_EQ(Verify(f, [](TBidInfo& i) { i.AcesCode = "<2"; }), 200);
    EXPECT_EQ(Verify(f, [](TBidInfo& i) { i.AcesCode = "<1"; }), score::RuledOut);
    EXPECT_EQ(Verify(f, [](TBidInfo& i) { i.MinControls = 3; i.MaxControls = 12; }), 200);
    EXPECT_EQ(Verify(f, [](TBidInfo& i) { i.MinControls = 2; i.MaxControls = 3; }), score::RuledOut);
    // Total aces with partner's one ace.
    f.c.PartnerInfo.AcesCode = "1";
    EXPECT_EQ(Verify(f, [](TBidInfo& i) { i.TotalAces = 2; }), 200);
    f.Deal(North, "S:KQ32 H:Q32 D:K32 C:Q32");
    f.c.PartnerInfo.AcesCode = "1";
    EXPECT_EQ(Verify(f, [](TBidInfo& i) { i.TotalAces = 2; }), score::RuledOut);
    // "Q?" takes a hand with or without the trump queen; "Q" needs it.
    const auto queen = [](int q) { return [q](TBidInfo& i) { i.TrumpSuit = Spades; i.TrumpQueen = q; }; };
    EXPECT_EQ(Verify(f, queen(2)), 200);
    EXPECT_EQ(Verify(f, queen(1)), 200);
    EXPECT_EQ(Verify(f, queen(0)), score::RuledOut);
    f.Deal(North, "S:AK32 H:Q32 D:K32 C:Q32");
    EXPECT_EQ(Verify(f, queen(2)), 200);
    EXPECT_EQ(Verify(f, queen(1)), score::RuledOut);
}

TEST(Verification, VulnerabilityCodes) {
    BidderFixture f;
    f.Deal(North, "S:AK32 H:Q32 D:K32 C:Q32", North, VulEW);
    EXPECT_TRUE(VulnerabilityMatches(f.c, "F"));
    EXPECT_TRUE(VulnerabilityMatches(f.c, "N"));
    EXPECT_FALSE(VulnerabilityMatches(f.c, "E"));
    EXPECT_FALSE(VulnerabilityMatches(f.c, "U"));
    EXPECT_TRUE(VulnerabilityMatches(f.c, "?"));
    EXPECT_TRUE(CardCondition(f.c, "GENS=STD"));
    EXPECT_FALSE(CardCondition(f.c, "GENS=STD_GENS=PREC"));
    EXPECT_TRUE(CardCondition(f.c, "GENS=STD_GENS=PREC}"));
}

TEST(Verification, HalvesRoundToEven) {
    EXPECT_EQ(RoundHalfEven(0.5), 0);
    EXPECT_EQ(RoundHalfEven(1.5), 2);
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(2.6), 3);
}

}  // namespace
}  // namespace corvane::test
