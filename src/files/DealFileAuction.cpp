#include "files/DealFileAuction.h"

#include "bidding/Auction.h"
#include "bidding/CallText.h"

namespace corvane {

AuctionContract ContractOfCalls(const std::vector<std::string>& calls, TSeat dealer) {
    Auction auction;
    ResetAuction(auction, dealer);
    for (const auto& text : calls) {
        const CallCode call = CallFromText(text);
        if (call == NoCall) continue;
        auction.Calls.push_back(text);
        RecordCall(auction, call, auction.Opener == NoSeat && IsBid(call));
        AdvanceTurn(auction);
    }
    return AuctionContract{auction.HighestBid, auction.Doubled, auction.Declarer};
}

}  // namespace corvane
