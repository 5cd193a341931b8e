#include "table/TableAuction.h"

namespace corvane {

void TableAuction::Reset(TSeat dealer) {
    *this = TableAuction();
    dealer_ = dealer;
}

bool TableAuction::IsLegal(CallCode call) const {
    if (Complete()) return false;
    const TSeat seat = Bidder();
    switch (call) {
    case Pass: return true;
    case Double: return IsBid(highest_) && doubled_ == 0 && AreOpponents(seat, lastBidder_);
    case Redouble: return IsBid(highest_) && doubled_ == 1 && !AreOpponents(seat, lastBidder_);
    default: return IsBid(call) && (!IsBid(highest_) || call > highest_);
    }
}

bool TableAuction::Accept(CallCode call, std::string explanation) {
    if (!IsLegal(call)) return false;
    const TSeat seat = Bidder();
    if (call == Double) {
        doubled_ = 1;
    } else if (call == Redouble) {
        doubled_ = 2;
    } else if (IsBid(call)) {
        highest_ = call;
        doubled_ = 0;
        lastBidder_ = seat;
        declarer_ = seat;
        // The declarer is whoever of the side named this strain first.
        for (size_t i = 0; i < calls_.size(); ++i) {
            const auto caller = static_cast<TSeat>((dealer_ + i) & 3);
            if (!AreOpponents(caller, seat) && IsBid(calls_[i].Code) &&
                StrainOf(calls_[i].Code) == StrainOf(call)) {
                declarer_ = caller;
                break;
            }
        }
    }
    calls_.push_back({call, std::move(explanation)});
    return true;
}

bool TableAuction::Complete() const {
    const size_t n = calls_.size();
    return n >= 4 && calls_[n - 1].Code == Pass && calls_[n - 2].Code == Pass &&
           calls_[n - 3].Code == Pass;
}

std::string CallKeyText(CallCode call) {
    switch (call) {
    case Pass: return "P";
    case Double: return "X";
    case Redouble: return "XX";
    default:
        if (!IsBid(call)) return "?";
        return std::string(1, static_cast<char>('0' + LevelOf(call))) + StrainLetters[StrainOf(call)];
    }
}

std::string TableAuction::ContractText() const {
    if (!IsBid(highest_)) return "Pass";
    return CallKeyText(highest_) + (doubled_ == 1 ? "X" : doubled_ == 2 ? "XX" : "");
}

}  // namespace corvane
