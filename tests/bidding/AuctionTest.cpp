#include "bidding/Auction.h"
#include "bidding/CallText.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

// Accepts each call text in turn; fails the test when one is refused.
Auction Bid(TSeat dealer, std::initializer_list<const char*> calls) {
    Auction auction;
    ResetAuction(auction, dealer);
    for (const char* call : calls) {
        EXPECT_TRUE(AcceptPlainCall(auction, CallFromText(call))) << call;
    }
    return auction;
}

TEST(AuctionCompleteTest, ThreePassesAfterAtLeastOneCall) {
    EXPECT_TRUE(AuctionComplete({"Pass", "Pass", "Pass", "Pass"}));
    EXPECT_FALSE(AuctionComplete({"Pass", "Pass", "Pass"}));
    EXPECT_FALSE(AuctionComplete({"1C", "Pass", "Pass"}));
    EXPECT_TRUE(AuctionComplete({"1C", "Pass", "Pass", "Pass"}));
    EXPECT_TRUE(AuctionComplete({"1C", "X(1)", "Pass", "Pass", "Pass"}));
    EXPECT_FALSE(AuctionComplete({"1C", "Pass", "Pass", "X"}));
}

TEST(AuctionTest, PassedOutDealHasNoContract) {
    const Auction auction = Bid(East, {"Pass", "Pass", "Pass", "Pass"});
    EXPECT_TRUE(AuctionComplete(auction.Calls));
    EXPECT_EQ(auction.HighestBid, Pass);
    EXPECT_EQ(auction.Declarer, NoSeat);
    EXPECT_EQ(ContractText(auction), "Pass");
    Auction after = auction;
    EXPECT_FALSE(AcceptPlainCall(after, BidCode(1, Clubs)));  // nothing after the end
    EXPECT_EQ(after.Calls, auction.Calls);
}

TEST(LegalCallsTest, OpeningSeatMayBidAnythingOrPass) {
    Auction auction;
    ResetAuction(auction, North);
    const CallSet legal = LegalCalls(auction);
    EXPECT_EQ(legal.Count(), 36);
    EXPECT_TRUE(legal.Contains(Pass));
    EXPECT_TRUE(legal.Contains(FirstBid));
    EXPECT_TRUE(legal.Contains(LastBid));
    EXPECT_FALSE(legal.Contains(Double));
    EXPECT_FALSE(legal.Contains(Redouble));
    EXPECT_FALSE(legal.Contains(NoCall));

    // Above seven notrump only pass and double remain.
    const Auction top = Bid(North, {"7N"});
    EXPECT_EQ(LegalCalls(top).Codes(), (std::vector<CallCode>{Double, Pass}));
}

TEST(LegalCallsTest, DoublesAndRedoublesFollowTheSides) {
    // South opens 1S.
    Auction auction = Bid(South, {"1S"});
    CallSet west = LegalCalls(auction);
    EXPECT_TRUE(west.Contains(Double));
    EXPECT_FALSE(west.Contains(Redouble));
    EXPECT_FALSE(west.Contains(BidCode(1, Spades)));
    EXPECT_TRUE(west.Contains(BidCode(1, NoTrump)));

    // West passes: North, the opener's partner, may not double its own side.
    Auction passed = auction;
    ASSERT_TRUE(AcceptPlainCall(passed, Pass));
    EXPECT_FALSE(LegalCalls(passed).Contains(Double));
    EXPECT_FALSE(AcceptPlainCall(passed, Double));

    // West doubles: North may redouble but not double.
    ASSERT_TRUE(AcceptPlainCall(auction, Double));
    EXPECT_EQ(auction.Doubled, 1);
    EXPECT_EQ(auction.DoubledBid, BidCode(1, Spades));
    const CallSet north = LegalCalls(auction);
    EXPECT_TRUE(north.Contains(Redouble));
    EXPECT_FALSE(north.Contains(Double));

    // North redoubles: nobody may double or redouble, and three passes end it.
    ASSERT_TRUE(AcceptPlainCall(auction, Redouble));
    EXPECT_EQ(auction.Doubled, 2);
    for (int i = 0; i < 3; ++i) {
        const CallSet legal = LegalCalls(auction);
        EXPECT_FALSE(legal.Contains(Double)) << i;
        EXPECT_FALSE(legal.Contains(Redouble)) << i;
        EXPECT_FALSE(AcceptPlainCall(auction, Double));
        ASSERT_TRUE(AcceptPlainCall(auction, Pass));
    }
    EXPECT_TRUE(AuctionComplete(auction.Calls));
    EXPECT_EQ(ContractText(auction), "1SXX");
    EXPECT_EQ(auction.Declarer, South);
}

TEST(LegalCallsTest, NewBidClearsTheDoubling) {
    Auction auction = Bid(North, {"1H", "X", "XX", "2C"});
    EXPECT_EQ(auction.Doubled, 0);
    EXPECT_EQ(auction.DoubledBid, BidCode(1, Hearts));
    EXPECT_EQ(auction.Declarer, West);
    // North, on the other side from West, may double 2C again.
    EXPECT_TRUE(LegalCalls(auction).Contains(Double));
    EXPECT_FALSE(AcceptPlainCall(auction, BidCode(1, Spades)));  // not above 2C
}

TEST(DeclarerTest, FirstOfTheSideToNameTheStrain) {
    EXPECT_EQ(Bid(North, {"1H", "Pass", "2C", "Pass", "2H", "Pass", "4H", "Pass", "Pass", "Pass"})
                  .Declarer,
              North);
    EXPECT_EQ(Bid(South, {"1C", "Pass", "1S", "Pass", "3N", "Pass", "4S", "Pass", "Pass", "Pass"})
                  .Declarer,
              North);
    EXPECT_EQ(Bid(South, {"1C", "Pass", "1S", "Pass", "3N"}).Declarer, South);
    // The opponents naming the strain first does not make them declarer.
    const Auction contested = Bid(West, {"1H", "Pass", "Pass", "2H", "Pass", "Pass", "3H"});
    EXPECT_EQ(contested.Declarer, West);
    EXPECT_EQ(Bid(West, {"1H", "2H", "3H"}).Declarer, West);
    EXPECT_EQ(Bid(West, {"1C", "2H", "Pass", "4H"}).Declarer, North);
    EXPECT_EQ(ContractDisplayText(Bid(East, {"1N", "X"})), "1~NX");
}

TEST(OpenerTest, OpeningAndFirstDefender) {
    const Auction auction = Bid(North, {"Pass", "1H", "Pass", "1S", "2C", "X"});
    EXPECT_EQ(auction.Opener, East);
    EXPECT_EQ(auction.Responder, West);
    EXPECT_EQ(auction.FirstDefender, North);

    // The bidder decides what counts as an opening: a first bid that is not one leaves the
    // opener open for a later call.
    Auction told;
    ResetAuction(told, North);
    const std::vector<std::pair<CallCode, bool>> calls{
        {BidCode(1, Clubs), false}, {Pass, false}, {BidCode(1, Hearts), true},
        {BidCode(1, Spades), false}};
    for (const auto& [call, opens] : calls) {
        AppendCallText(told, call, {});
        RecordCall(told, call, opens);
        AdvanceTurn(told);
    }
    EXPECT_EQ(told.Opener, South);
    EXPECT_EQ(told.FirstDefender, West);
    EXPECT_EQ(told.Bidder, North);
    EXPECT_EQ(told.CallCount, 4);
}

TEST(CallAgoTest, CountsBackFromTheBiddersTurn) {
    const Auction auction = Bid(North, {"1H", "Pass", "2H", "X"});
    ASSERT_EQ(auction.Bidder, North);
    EXPECT_EQ(CallAgo(auction, 1), Double);
    EXPECT_EQ(CallAgo(auction, 2), BidCode(2, Hearts));
    EXPECT_EQ(CallAgo(auction, 3), Pass);
    EXPECT_EQ(CallAgo(auction, 4), BidCode(1, Hearts));
    EXPECT_EQ(CallAgo(auction, 6), Pass);  // before the start
    EXPECT_EQ(CallAgo(auction, 0), Pass);
    EXPECT_EQ(CallAgo(auction, -3), Pass);
}

TEST(ExplanationTest, NumberedLinesAndSuffixes) {
    Auction auction;
    ResetAuction(auction, North);
    ASSERT_TRUE(AcceptPlainCall(auction, BidCode(1, NoTrump), "15-17"));
    ASSERT_TRUE(AcceptPlainCall(auction, Pass));
    ASSERT_TRUE(AcceptPlainCall(auction, BidCode(2, Clubs), "Stayman"));
    EXPECT_EQ(auction.Calls, (std::vector<std::string>{"1N(1)", "Pass", "2C(2)"}));
    EXPECT_EQ(auction.Explanations, (std::vector<std::string>{"(1)=15-17", "(2)=Stayman"}));
    EXPECT_EQ(auction.ShortCalls, (std::vector<std::string>{"1N", "P", "2C"}));
    EXPECT_EQ(CallExplanation(auction, 2), "Stayman");
    EXPECT_EQ(CallExplanation(auction, 1), "");
    EXPECT_EQ(CallExplanation(auction, 7), "");
    EXPECT_EQ(auction.Declarer, South);
}

TEST(TakeBackTest, LeavesTheShorterAuction) {
    Auction one = Bid(North, {"1H"});
    TakeBackCall(one);
    EXPECT_TRUE(one.Calls.empty());
    EXPECT_EQ(one.CallCount, 0);
    EXPECT_EQ(one.HighestBid, Pass);
    EXPECT_EQ(one.Opener, NoSeat);
    EXPECT_EQ(one.Bidder, North);

    Auction three;
    ResetAuction(three, West);
    ASSERT_TRUE(AcceptPlainCall(three, BidCode(1, Spades), "5+ spades"));
    ASSERT_TRUE(AcceptPlainCall(three, Double, "takeout"));
    ASSERT_TRUE(AcceptPlainCall(three, Redouble));
    TakeBackCall(three);
    Auction two;
    ResetAuction(two, West);
    ASSERT_TRUE(AcceptPlainCall(two, BidCode(1, Spades), "5+ spades"));
    ASSERT_TRUE(AcceptPlainCall(two, Double, "takeout"));
    EXPECT_EQ(three.Calls, two.Calls);
    EXPECT_EQ(three.Explanations, two.Explanations);
    EXPECT_EQ(three.ShortCalls, two.ShortCalls);
    EXPECT_EQ(three.CallCount, 2);
    EXPECT_EQ(three.Bidder, East);
    EXPECT_EQ(three.Doubled, 1);
    EXPECT_EQ(three.Declarer, West);
    EXPECT_EQ(three.Opener, West);

    Auction empty;
    ResetAuction(empty, South);
    TakeBackCall(empty);
    EXPECT_TRUE(empty.Calls.empty());
    EXPECT_EQ(empty.Dealer, South);
}

TEST(TakeBackTest, ReplaysThroughTheGivenHooks) {
    Auction auction = Bid(East, {"1D", "1H", "2D"});
    auction.Calls[1] += "(1)";
    auction.Explanations = {"(1)=overcall"};
    int restarts = 0;
    std::vector<std::pair<CallCode, std::string>> replayed;
    AuctionReplay replay;
    replay.Restart = [&](Auction& a) {
        ++restarts;
        ResetAuction(a, a.Dealer);
    };
    replay.Accept = [&](Auction& a, CallCode call, std::string_view explanation) {
        replayed.emplace_back(call, std::string(explanation));
        AcceptPlainCall(a, call);
    };
    TakeBackCall(auction, replay);
    EXPECT_EQ(restarts, 1);
    ASSERT_EQ(replayed.size(), 2U);
    EXPECT_EQ(replayed[0], (std::pair<CallCode, std::string>{BidCode(1, Diamonds), ""}));
    EXPECT_EQ(replayed[1], (std::pair<CallCode, std::string>{BidCode(1, Hearts), "overcall"}));
    EXPECT_EQ(auction.Dealer, East);
    EXPECT_EQ(auction.Calls, (std::vector<std::string>{"1D", "1H"}));
}

TEST(AuctionGridTest, RowsFollowTheDealer) {
    const std::string dashes = " \x97\x97";
    Auction auction;
    ResetAuction(auction, North);
    auto grid = AuctionGrid(auction);
    ASSERT_EQ(grid.size(), 3U);
    for (const auto& row : grid) {
        for (const auto& cell : row) EXPECT_EQ(cell, std::string(14, ' '));
    }

    auction = Bid(North, {"1H", "Pass", "2H", "Pass", "4H"});
    grid = AuctionGrid(auction);
    ASSERT_EQ(grid.size(), 3U);  // two rows of calls and the closing empty row
    EXPECT_EQ(grid[0], (AuctionGridRow{dashes, "1~H", "Pass", "2~H"}));
    EXPECT_EQ(grid[1], (AuctionGridRow{"Pass", "4~H", " ", " "}));
    EXPECT_EQ(grid[2], (AuctionGridRow{"", "", "", ""}));

    // West deals into the first column of row 0.
    grid = AuctionGrid(Bid(West, {"1C", "Pass", "Pass", "Pass"}));
    ASSERT_EQ(grid.size(), 2U);
    EXPECT_EQ(grid[0], (AuctionGridRow{"1~C", "Pass", "Pass", "Pass"}));

    grid = AuctionGrid(Bid(South, {"Pass", "1S"}));
    EXPECT_EQ(grid[0], (AuctionGridRow{dashes, dashes, dashes, "Pass"}));
    EXPECT_EQ(grid[1], (AuctionGridRow{"1~S", " ", " ", " "}));
}

TEST(AuctionGridTest, ExplanationsBelowTheCalls) {
    Auction auction;
    ResetAuction(auction, East);
    ASSERT_TRUE(AcceptPlainCall(auction, BidCode(2, Clubs), "strong"));
    ASSERT_TRUE(AcceptPlainCall(auction, Double, "clubs"));
    const auto grid = AuctionGrid(auction);
    ASSERT_EQ(grid.size(), 4U);
    EXPECT_EQ(grid[0][2], "2~C(1)");
    EXPECT_EQ(grid[0][3], "Dbl(2)");
    EXPECT_EQ(grid[1], (AuctionGridRow{"(1)=strong" + std::string(39, ' '), "", "", ""}));
    EXPECT_EQ(grid[2][0], "(2)=clubs" + std::string(39, ' '));
    EXPECT_EQ(grid[3], (AuctionGridRow{"", "", "", ""}));

    TakeBackCall(auction);
    TakeBackCall(auction);
    EXPECT_EQ(AuctionGrid(auction).size(), 3U);
    EXPECT_EQ(AuctionGrid(auction)[2][3], std::string(14, ' '));
}

}  // namespace
}  // namespace corvane
