// The bid selection frame: the computer scores every legal call for the player to call and
// takes the best. Scoring a call asks the situation rules what it would mean here, checks the
// hand against that meaning and lets the definition database's alternatives compete. Every call
// made, the person's included, is scored once more to record what it showed.
#pragma once

#include "bidding/BidderContext.h"

#include <string>

namespace corvane {

// Start of a deal's bidding (and of a take-back's replay). The hands must hold the dealt cards.
void StartAuction(BidderContext& c, TSeat dealer);
// Rebuilds the per-call state for the player to call; nothing once the auction is complete.
void PrepareBidder(BidderContext& c);
// Scores one call and makes it the best when it wins under the tie rules.
void ScoreCandidate(BidderContext& c, CallCode call);
// The built-in rules for the candidate: one situation rule, then the frame's own checks.
void DispatchCandidate(BidderContext& c);
// The computer's call for the player to call; the result is c.ChosenCall.
void ChooseComputerCall(BidderContext& c, bool useSimulation);
// Records a legal call made by anyone and moves to the next player. Returns the call's
// explanation text (empty when it has none or the seat's explanations are hidden).
std::string AcceptCall(BidderContext& c, CallCode call);

// What a call would show for the player to call, scored without changing the auction.
struct CallMeaning {
    CallCode Call = Pass;
    MeaningCode Meaning = meaning::NoMeaning;
    int Score = 0;
    TBidInfo Info;
    TBidInfo ShownBefore;
    std::string Explanation;  // the alert text, or the code text
};
// Hint: the call the computer would make in the person's place, with its meaning.
CallMeaning HintCall(BidderContext& c);
// Test pad: what the given call would show.
CallMeaning TestCall(BidderContext& c, CallCode call);
// Explain: the last call of the seat and what that player has shown so far.
CallMeaning ExplainLastCall(const BidderContext& c, TSeat seat);

}  // namespace corvane
