#include "table/TableAuction.h"

namespace corvane {

void TableAuction::Reset(TSeat dealer) {
    ResetAuction(record_, dealer);
    calls_.clear();
}

bool TableAuction::IsLegal(CallCode call) const {
    return !Complete() && LegalCalls(record_).Contains(call);
}

bool TableAuction::Accept(CallCode call, std::string explanation) {
    if (!AcceptPlainCall(record_, call, explanation)) return false;
    calls_.push_back({call, std::move(explanation)});
    return true;
}

}  // namespace corvane
