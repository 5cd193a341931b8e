// The score of one contract result, from North-South's point of view.
#pragma once

#include "bidding/Call.h"
#include "scoring/ScoringMode.h"

namespace corvane {

// contract: a bid code 3..37, or Pass for a passed-out deal (scores 0). doubling: 0, 1, 2.
// tricks: won by the declaring side. Under rubber scoring no game or part-score bonus is added
// (the rubber pad awards games instead). Pure: nothing is posted anywhere.
int ContractScore(CallCode contract, int doubling, TSeat declarer, int tricks, bool vulnerable,
                  ScoringMode mode = ImpScoring);

}  // namespace corvane
