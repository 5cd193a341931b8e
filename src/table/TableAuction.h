// The auction of the board in play as the table drives it: the calls with their explanations,
// and what they have established so far.
#pragma once

#include "bidding/Call.h"

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
    // At least four calls and the last three are passes.
    bool Complete() const;

    TSeat Dealer() const { return dealer_; }
    TSeat Bidder() const { return static_cast<TSeat>((dealer_ + calls_.size()) & 3); }
    const std::vector<TableCall>& Calls() const { return calls_; }
    CallCode HighestBid() const { return highest_; }  // Pass while no bid has been made
    int Doubled() const { return doubled_; }
    // The first of the declaring side to name the highest bid's strain; NoSeat before a bid.
    TSeat Declarer() const { return declarer_; }

    // "4S", "3NX", "Pass".
    std::string ContractText() const;

private:
    TSeat dealer_ = North;
    std::vector<TableCall> calls_;
    CallCode highest_ = Pass;
    int doubled_ = 0;
    TSeat declarer_ = NoSeat;
    TSeat lastBidder_ = NoSeat;
};

// "1S", "3N", "P", "X", "XX".
std::string CallKeyText(CallCode call);

}  // namespace corvane
