// The table's bidder: the rule-based bidder behind the table's Bidder interface. The table keeps
// its own record of the calls; every call it accepts is mirrored here through AcceptCall, so the
// bidder's auction and meanings follow the table's.
#pragma once

#include "bidding/BidSelection.h"
#include "table/Bidder.h"

#include <functional>

namespace corvane {

class RuleBidder final : public Bidder {
public:
    // The cards, alert table and definitions must outlive the bidder. vulnerability reads the
    // board in play when an auction starts; without it the deal is taken as none vulnerable.
    RuleBidder(ConventionCards& cards, const CodeTable& alerts, DefinitionDatabases* databases = nullptr,
               std::function<Vulnerability()> vulnerability = {});

    void StartAuction(const TableHands& hands, const TableAuction& auction) override;
    CallCode ChooseCall(const TableHands& hands, const TableAuction& auction, TSeat seat, bool simulate) override;
    std::string AcceptCall(const TableAuction& auction, TSeat seat, CallCode call) override;
    // The cards change sides with their file names, and the definition databases with them.
    void SwapConventionCards() override;

    // Hint, test pad and explain for the person's seat.
    CallMeaning Hint() { return HintCall(context_); }
    CallMeaning Test(CallCode call) { return TestCall(context_, call); }
    CallMeaning Explain(TSeat seat) const { return ExplainLastCall(context_, seat); }

    const BidderContext& Context() const { return context_; }

private:
    // Brings the bidder's auction level with the table's when they differ (a call the bidder
    // was not told of, or a different deal).
    void Follow(const TableHands& hands, const TableAuction& auction);

    BidderContext context_;
    std::function<Vulnerability()> vulnerability_;
    DefinitionDatabases* databases_;
};

}  // namespace corvane
