// A meaning record written out for a person: one line per thing the meaning says beyond what
// was known before it, e.g. "points 12-14", "spades 5-13".
#pragma once

#include "bidding/BidInfo.h"

#include <string>
#include <vector>

namespace corvane {

// The fields of the meaning that differ from the base record (what was shown before the call).
std::vector<std::string> DescribeMeaning(const TBidInfo& meaning, const TBidInfo& base);

}  // namespace corvane
