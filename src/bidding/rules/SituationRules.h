// The situation rules built so far, each scoring the candidate in BidderContext: it writes what
// the call would show into NewBidInfo, its meaning code and explanation number, and its score.
#pragma once

#include "bidding/BidderContext.h"

namespace corvane {

// A bid by the first player to bid: one of a suit, notrump, two-level and preemptive openings.
void ScoreOpening(BidderContext& c);
// The pass candidate.
void ScorePass(BidderContext& c);

}  // namespace corvane
