// The score of one contract result, from North-South's point of view.
#pragma once

#include "bidding/Call.h"
#include "scoring/ScoringMode.h"

namespace corvane {

// A trick score of this much or more is a game.
inline constexpr int GameTrickScore = 100;

// One result seen from the declaring side, split the way the rubber pad posts it.
struct ScoreBreakdown {
    int Level = 0;
    Strain Trumps = NoTrump;
    int Over = 0;        // overtricks when 0 or more, minus the undertricks otherwise
    int TrickScore = 0;  // below the line; 0 when defeated or passed out
    int Bonus = 0;       // overtricks, the doubled-contract bonus, slams, and outside rubber
                         // scoring the game or part-score bonus
    int Penalty = 0;     // what the defenders collect when the contract fails

    bool PassedOut() const { return Level == 0; }
    bool Made() const { return !PassedOut() && Over >= 0; }
    int DeclarerScore() const { return TrickScore + Bonus - Penalty; }
};

// contract: a bid code 3..37, or Pass for a passed-out deal. doubling: 0, 1, 2. tricks: won by
// the declaring side (values outside 0..13 are taken as the nearest end, doubling as 0..2).
// Under rubber scoring no game or part-score bonus is added: the rubber pad awards games.
ScoreBreakdown ScoreContract(CallCode contract, int doubling, int tricks, bool vulnerable,
                             ScoringMode mode);

// The breakdown's score, negated when East or West declared. Pure: nothing is posted anywhere.
int ContractScore(CallCode contract, int doubling, TSeat declarer, int tricks, bool vulnerable,
                  ScoringMode mode = ImpScoring);

}  // namespace corvane
