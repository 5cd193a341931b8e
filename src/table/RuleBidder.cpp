#include "table/RuleBidder.h"

#include "bidding/CallText.h"
#include "convention/SideDatabases.h"

namespace corvane {

RuleBidder::RuleBidder(ConventionCards& cards, const CodeTable& alerts, DefinitionDatabases* databases,
                       std::function<Vulnerability()> vulnerability)
    : vulnerability_(std::move(vulnerability)), databases_(databases) {
    context_.Cards = &cards;
    context_.Alerts = &alerts;
    context_.Databases = databases;
}

void RuleBidder::StartAuction(const TableHands& hands, const TableAuction& auction) {
    context_.Hands = hands;
    for (THands& hand : context_.Hands) hand.RestoreDealtHoldings();
    context_.Vul = vulnerability_ ? vulnerability_() : VulNone;
    corvane::StartAuction(context_, auction.Dealer());
}

void RuleBidder::Follow(const TableHands& hands, const TableAuction& auction) {
    const auto& calls = auction.Calls();
    bool same = context_.Auction.Dealer == auction.Dealer() && context_.Auction.Calls.size() == calls.size();
    for (size_t i = 0; same && i < calls.size(); ++i) {
        same = CallFromText(context_.Auction.Calls[i]) == calls[i].Code;
    }
    if (same) return;
    StartAuction(hands, auction);
    for (const TableCall& call : calls) corvane::AcceptCall(context_, call.Code);
}

CallCode RuleBidder::ChooseCall(const TableHands& hands, const TableAuction& auction, TSeat seat, bool simulate) {
    Follow(hands, auction);
    if (context_.Bidder != seat || AuctionComplete(context_.Auction.Calls)) return Pass;
    ChooseComputerCall(context_, simulate);
    return context_.ChosenCall;
}

std::string RuleBidder::AcceptCall(const TableAuction& auction, TSeat seat, CallCode call) {
    // The table asks before it records the call, so the bidder is one call behind at most.
    if (context_.Bidder != seat || context_.Auction.Calls.size() != auction.Calls().size()) {
        Follow(context_.Hands, auction);
    }
    if (!LegalCalls(context_.Auction).Contains(call)) return {};
    return corvane::AcceptCall(context_, call);
}

void RuleBidder::SwapConventionCards() {
    if (databases_ != nullptr) {
        SwapSides(*context_.Cards, *databases_);
    } else {
        context_.Cards->ExchangeSides();
    }
}

}  // namespace corvane
