// The auction of the board in play as the table drives it: the auction record, and each call
// with its explanation so that a take-back or a replay can accept them again.
#pragma once

#include "bidding/Auction.h"

#include <string>
#include <vector>

namespace corvane {

struct TableCall {
    CallCode Code = Pass;
    std::string Explanation;
};

class TableAuction {
public:
    void Reset(TSeat dealer);
    // Records the call of the seat whose turn it is. False, with nothing changed, when the call
    // is not legal here or the auction is over.
    bool Accept(CallCode call, std::string explanation = {});
    bool IsLegal(CallCode call) const;
    bool Complete() const { return AuctionComplete(record_.Calls); }

    const corvane::Auction& Record() const { return record_; }
    TSeat Dealer() const { return record_.Dealer; }
    TSeat Bidder() const { return record_.Bidder; }
    const std::vector<TableCall>& Calls() const { return calls_; }
    CallCode HighestBid() const { return record_.HighestBid; }
    int Doubled() const { return record_.Doubled; }
    TSeat Declarer() const { return record_.Declarer; }
    std::string ContractText() const { return corvane::ContractText(record_); }

private:
    corvane::Auction record_;
    std::vector<TableCall> calls_;
};

}  // namespace corvane
