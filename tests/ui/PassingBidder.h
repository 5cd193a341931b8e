// A bidder for window tests: every computer call is Pass, and no call carries an explanation.
#pragma once

#include "table/Bidder.h"

namespace corvane::ui::test {

class PassingBidder : public Bidder {
public:
    void StartAuction(const TableHands&, const TableAuction&) override {}
    CallCode ChooseCall(const TableHands&, const TableAuction&, TSeat, bool) override { return Pass; }
    std::string AcceptCall(const TableAuction&, TSeat, CallCode) override { return {}; }
};

}  // namespace corvane::ui::test
