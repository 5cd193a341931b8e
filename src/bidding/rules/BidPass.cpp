// The pass candidate. It starts as a plain pass with score 0; while our side has not acted it
// says so, and before anyone has bid it denies an opening hand.
#include "bidding/rules/SituationRules.h"

#include "bidding/PartnershipEvaluation.h"

namespace corvane {

namespace {
// The most a player passing in the opening position can hold.
constexpr int OpeningPassMaximum = 12;
}  // namespace

void ScorePass(BidderContext& c) {
    c.MeaningCode = meaning::PassDefault;
    c.Score = 0;
    if (!c.OurMeanings.Intersects(meaning_sets::ActedMeanings)) {
        c.MeaningCode = meaning::PassBeforeWeActed;
        if (!IsBid(c.Auction.HighestBid)) c.NewBidInfo.MaxPts = OpeningPassMaximum;
    }
}

}  // namespace corvane
