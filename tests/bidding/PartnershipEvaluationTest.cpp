#include "BidderFixture.h"

#include "bidding/HandEvaluation.h"
#include "bidding/PartnershipEvaluation.h"

namespace corvane::test {
namespace {

TEST(PartnershipEvaluation, LevelTables) {
    BidderFixture f;
    f.Deal(North, "S:AK32 H:Q32 D:K32 C:Q32");
    f.c.PartnerMin = 12;
    f.c.CandidateIsMajor = true;
    EXPECT_EQ(PointsForLevel(f.c, 5), 18);
    f.c.CandidateIsMajor = false;
    EXPECT_EQ(PointsForLevel(f.c, 5), 17);
    EXPECT_EQ(PointsForLevel(f.c, 1), 6);
    f.c.PartnerMin = 15;
    f.c.PartnerMax = 17;
    SetNTPoints(f.c, 3);
    EXPECT_EQ(f.c.NewBidInfo.MinPts, 10);
    EXPECT_EQ(f.c.NewBidInfo.MaxPts, 16);
    f.c.MeaningCode = meaning::NaturalNotrump;
    SetNTPoints(f.c, 4);
    EXPECT_EQ(f.c.MeaningCode, meaning::HighNaturalNotrump);
}

TEST(PartnershipEvaluation, PartnerLosersAndControls) {
    BidderFixture f;
    f.Deal(South, "S:A432 H:K32 D:432 C:432");
    f.Calls({"1S", "P"});
    f.c.PartnerMin = 12;
    EXPECT_DOUBLE_EQ(PartnerLosers(f.c), 7.0);  // 12 - 12 / 2.9 = 7.86, capped for an opener
    f.c.Auction.Opener = NoSeat;
    EXPECT_NEAR(PartnerLosers(f.c), 12 - 12 / 2.9, 1e-9);
    // Five controls shown, one ace and one king here: two aces and a king for partner.
    f.c.Records.Shown[North].MinControls = 5;
    PrepareBidder(f.c);
    EXPECT_GE(f.c.PartnerMin, 13);
    EXPECT_EQ(f.c.ShownBy(North).AcesCode, "2");
    EXPECT_EQ(f.c.ShownBy(North).KingsCode, "1");
}

TEST(PartnershipEvaluation, FitPointsForShortness) {
    BidderFixture f;
    const auto supportAfterHearts = [&f](const char* hand, int partnerHearts = 4) {
        f.Deal(South, hand);
        f.c.Records.Shown[North].MinLen[Hearts] = partnerHearts;
        f.c.Players[North].Meanings.Insert(meaning::OneHeartOpening);
        f.c.Players[North].LastMeaning = meaning::OneHeartOpening;
        f.Calls({"1H", "P"});
        return f.c.BidderHand().SupportPts;
    };
    EXPECT_EQ(supportAfterHearts("S:AQ3 H:K432 D:65432 C:2"), 2);
    EXPECT_LE(supportAfterHearts("S:AQ3 H:K432 D:65432 C:K"), 0);  // bare king: no shortness
    EXPECT_EQ(supportAfterHearts("S:AQ2 H:K432 D:765432 C:-"), 3);
    EXPECT_EQ(supportAfterHearts("S:AQ32 H:K432 D:5432 C:2"), 3);  // 4-4-4-1 counts 3
    EXPECT_EQ(supportAfterHearts("S:AQ43 H:K43 D:65432 C:2", 5), 1);  // three trumps: one less
    EXPECT_EQ(f.c.OwnShown().FitSuit, Hearts);
}

TEST(PartnershipEvaluation, SixLevelNeedsTheirSuitsStopped) {
    BidderFixture f;
    f.Deal(North, "S:- H:AKQ32 D:AKQ32 C:432");
    f.c.Records.Shown[East].MinLen[Clubs] = 5;
    f.c.Records.Shown[East].MinLen[Spades] = 5;
    PrepareBidder(f.c);
    EXPECT_FALSE(SixLevelStoppers(f.c));  // the void covers spades, clubs are open
    f.Deal(North, "S:- H:AKQ32 D:AKQ32 C:A32");
    f.c.Records.Shown[East].MinLen[Clubs] = 5;
    f.c.Records.Shown[East].MinLen[Spades] = 5;
    PrepareBidder(f.c);
    EXPECT_TRUE(SixLevelStoppers(f.c));
}

}  // namespace
}  // namespace corvane::test
