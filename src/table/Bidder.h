// The computer's bidder as the table sees it: choose a call for a seat, take note of a call
// made, explain a call.
#pragma once

#include "cards/Hands.h"
#include "table/TableAuction.h"

#include <string>

namespace corvane {

class Bidder {
public:
    virtual ~Bidder() = default;
    // A new auction begins on the dealt hands.
    virtual void StartAuction(const TableHands& hands, const TableAuction& auction) = 0;
    // The call the computer makes for `seat` in this auction.
    virtual CallCode ChooseCall(const TableHands& hands, const TableAuction& auction, TSeat seat,
                                bool simulate) = 0;
    // A call is being accepted for `seat`; returns its explanation (empty when none).
    virtual std::string AcceptCall(const TableAuction& auction, TSeat seat, CallCode call) = 0;
    // North-South and East-West exchange their convention cards. A bidder that reads no cards
    // has nothing to exchange.
    virtual void SwapConventionCards() {}
};

}  // namespace corvane
