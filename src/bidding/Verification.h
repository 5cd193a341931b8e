// Checks the bidder's hand against what a candidate call would show and lowers the candidate's
// score by how far the hand misses it. Only what the call adds to the bidder's Shown record is
// tested. A hand too strong for the call keeps the call as the fallback of the current choice.
#pragma once

#include "bidding/BidderContext.h"
#include "bidding/DefinitionLanguage.h"

#include <string_view>

namespace corvane {

void VerifyCandidate(BidderContext& c);

// A convention-card condition on the side's card: items separated by "_" or ",", a final "}"
// makes it any-of, "]" or no mark all-of.
bool CardCondition(const BidderContext& c, std::string_view condition);
// "N" we are not vulnerable, "Y" we are, "B" both are, "E" equal, "F" favourable,
// "U" unfavourable; anything else always holds.
bool VulnerabilityMatches(const BidderContext& c, std::string_view code);

// What the definition codes read about the bidder, partner, the auction and the card.
DefinitionContext DefinitionContextFor(const BidderContext& c);

// Round to the nearest integer, halves to the even one.
int RoundHalfEven(double x);

}  // namespace corvane
