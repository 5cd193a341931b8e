// The table's bidder with the definition databases built from the shipped files, as the desktop
// program runs it.
#include "table/RuleBidder.h"

#include "bidding/BiddingData.h"
#include "cards/Dealer.h"
#include "convention/SideDatabases.h"

#include <gtest/gtest.h>

namespace corvane::test {
namespace {

TEST(RuleBidderWithDefinitions, BidsWholeAuctionsWithLegalCallsOnBothCards) {
    const std::string folder = CORVANE_SOURCE_DIR "/data/";
    BiddingData data;
    const BiddingDataStartup startup =
        LoadTableBiddingData(data, folder, "Two over One.cc", "Std American.cc");
    ASSERT_FALSE(startup.Fatal);
    const DefinitionFiles files =
        DefinitionFiles::ReadOnly(folder, folder + std::string(SectionOrderFileName));
    ASSERT_TRUE(files.Messages().empty());
    DefinitionDatabases databases;
    BuildDefinitionDatabases(files, data.Cards, databases);
    EXPECT_GT(databases.Side(1).Count() + databases.Side(2).Count(), 0);

    RuleBidder bidder(data.Cards, data.Alerts, &databases);
    int contracts = 0;
    for (std::int32_t seed = 1000; seed < 1040; ++seed) {
        const DealtBoard dealt = DealFromSeed(seed);
        TableHands hands = MakeTableHands();
        for (int seat = 0; seat < SeatCount; ++seat)
            hands[size_t(seat)].SetHoldings(dealt.Holdings[size_t(seat)]);
        TableAuction auction;
        auction.Reset(dealt.Dealer);
        bidder.StartAuction(hands, auction);
        for (int guard = 0; guard < 60 && !auction.Complete(); ++guard) {
            const TSeat seat = auction.Bidder();
            const CallCode call = bidder.ChooseCall(hands, auction, seat, false);
            ASSERT_TRUE(auction.IsLegal(call)) << "seed " << seed;
            ASSERT_TRUE(auction.Accept(call, bidder.AcceptCall(auction, seat, call)));
        }
        ASSERT_TRUE(auction.Complete()) << "seed " << seed;
        contracts += auction.ContractText() != "Pass";
    }
    EXPECT_GT(contracts, 20); // most deals are bid to a contract
}

} // namespace
} // namespace corvane::test
