#include "bidding/BidInfo.h"

namespace corvane {

void SetShort(std::string& field, std::string_view text, std::size_t width) {
    field.assign(text.substr(0, width));
}

void ResetBidInfo(TBidInfo& info, TSeat dealer) {
    info = TBidInfo{};
    info.DealerSeat = dealer;
}

void ShownRecords::Reset(TSeat dealer) {
    for (TBidInfo& info : Shown) ResetBidInfo(info, dealer);
}

}  // namespace corvane
