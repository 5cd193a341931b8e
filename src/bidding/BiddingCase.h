// Bidding cases: one position per line of a JSON-lines file (dealer, vulnerability, the seat to
// call, its hand, the calls so far, the expected call and acceptable alternatives), and the run
// that asks the bidder for its call there.
#pragma once

#include "bidding/BiddingData.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

struct BiddingCase {
    std::string Id;
    TSeat Dealer = North;
    Vulnerability Vul = VulNone;
    TSeat Seat = North;
    std::array<Holding, 4> Hand{};
    std::vector<CallCode> Calls;
    CallCode Expected = Pass;
    std::vector<CallCode> Alternatives;
    std::string Phase;
};

struct BiddingCaseRead {
    std::optional<BiddingCase> Case;
    std::string Error;  // when Case is empty
};

// Reads one line: a flat JSON object. Unknown members are ignored; "vul" may be null.
BiddingCaseRead ReadBiddingCase(std::string_view line);

// "P", "X", "XX", "1C".."7N" (also "Pass" and "NT"); NoCall when unreadable.
CallCode CaseCallFromText(std::string_view text);
// "P", "X", "XX", "1C".."7N".
std::string CaseCallText(CallCode call);

// The seat's hand as "S:AKQ2 H:J54 D:T9 C:8765"; false with a message when it is not 13 cards.
bool ReadCaseHand(std::string_view text, std::array<Holding, 4>& hand, std::string& error);

// Deals the other three hands from the remaining cards with a fixed seed, accepts the calls so
// far as computer calls and returns the bidder's choice for the seat. NoCall with a message when
// the calls are not legal or do not lead to the seat.
struct CaseResult {
    CallCode Chosen = NoCall;
    std::string Error;
    bool Passed = false;
};
CaseResult RunBiddingCase(const BiddingCase& bc, BiddingData& data);

}  // namespace corvane
