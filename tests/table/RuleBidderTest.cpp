#include "table/RuleBidder.h"

#include "bidding/BiddingCase.h"
#include "bidding/BiddingData.h"

#include <gtest/gtest.h>

namespace corvane::test {
namespace {

TableHands HandsFor(const char* pbn) {
    DealHoldings deal{};
    EXPECT_TRUE(DealFromPbn(pbn, deal));
    TableHands hands = MakeTableHands();
    for (int seat = 0; seat < SeatCount; ++seat) hands[static_cast<size_t>(seat)].SetHoldings(deal[static_cast<size_t>(seat)]);
    return hands;
}

constexpr const char* Deal = "N:53.92.K42.KT5432 QT2.KT876.AQ986. A9876.A43.T53.J8 KJ4.QJ5.J7.AQ976";

TEST(RuleBidder, BidsTheTablesAuctionAndFollowsItsCalls) {
    BiddingData data;
    ASSERT_EQ(LoadBiddingData(data, CORVANE_SOURCE_DIR "/data", "Std American.cc", "Std American.cc"), "");
    RuleBidder bidder(data.Cards, data.Alerts, nullptr, [] { return VulEW; });
    const TableHands hands = HandsFor(Deal);
    TableAuction auction;
    auction.Reset(North);
    bidder.StartAuction(hands, auction);
    EXPECT_EQ(bidder.Context().Vul, VulEW);
    while (!auction.Complete()) {
        const TSeat seat = auction.Bidder();
        const CallCode call = bidder.ChooseCall(hands, auction, seat, false);
        ASSERT_TRUE(auction.IsLegal(call));
        ASSERT_TRUE(auction.Accept(call, bidder.AcceptCall(auction, seat, call)));
    }
    EXPECT_EQ(auction.ContractText(), "1H");
    EXPECT_EQ(bidder.Context().Players[East].LastMeaning, meaning::OneHeartOpening);
    // The table rebuilds a shorter auction (a take-back): the bidder starts again from it.
    TableAuction shorter;
    shorter.Reset(North);
    shorter.Accept(Pass);
    EXPECT_EQ(bidder.ChooseCall(hands, shorter, East, false), BidCode(1, Hearts));
    EXPECT_EQ(bidder.Context().Auction.Calls.size(), 1U);
    // Asked for a seat that is not to call, it passes.
    EXPECT_EQ(bidder.ChooseCall(hands, shorter, West, false), Pass);
}

TEST(RuleBidder, SwapExchangesTheSidesCardsBackAndForth) {
    BiddingData data;
    ASSERT_EQ(LoadBiddingData(data, CORVANE_SOURCE_DIR "/data", "Std American.cc", "Two over One.cc"), "");
    const std::string nsFile = data.Cards.State(1).CardFileName;
    const std::string ewFile = data.Cards.State(2).CardFileName;
    ASSERT_NE(nsFile, ewFile);
    RuleBidder bidder(data.Cards, data.Alerts);
    Bidder& asTheTableSeesIt = bidder;
    asTheTableSeesIt.SwapConventionCards();
    EXPECT_EQ(data.Cards.State(1).CardFileName, ewFile);
    EXPECT_EQ(data.Cards.State(2).CardFileName, nsFile);
    asTheTableSeesIt.SwapConventionCards();
    EXPECT_EQ(data.Cards.State(1).CardFileName, nsFile);
}

}  // namespace
}  // namespace corvane::test
