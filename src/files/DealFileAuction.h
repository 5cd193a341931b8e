// The contract a recorded auction reached, for deal files that give the calls but not (or not
// reliably) the contract and declarer.
#pragma once

#include "bidding/Call.h"

#include <string>
#include <vector>

namespace corvane {

struct AuctionContract {
    CallCode bid = Pass;  // Pass: passed out, or no bid at all
    int doubling = 0;
    TSeat declarer = NoSeat;
};

// Calls as plain texts ("1N", "X", "Pass", "2H(1)"); texts that are no call are passed over.
AuctionContract ContractOfCalls(const std::vector<std::string>& calls, TSeat dealer);

}  // namespace corvane
