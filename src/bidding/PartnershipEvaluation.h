// How the bidder judges its hand against what partner and the opponents have shown: fit and
// shortness points, the agreed suit, honours placed by the opponents' calls, partner's probable
// losers and controls, cover cards, stoppers and the points a bid at a level needs. Also the
// small record setters the situation rules write a candidate's meaning with.
#pragma once

#include "bidding/BidderContext.h"

namespace corvane {

// ---- Record setters (write the candidate's NewBidInfo) ----
void SetPoints(BidderContext& c, int min, int max);
void SetLength(BidderContext& c, int suit, int min, int max);
void ShowBalanced(BidderContext& c);
void ShowBalancedUpTo(BidderContext& c, int n);
void ShowStoppersWherePartnerHasNone(BidderContext& c, int k);
int PointsForLevel(const BidderContext& c, int level);
void SetPointsForLevel(BidderContext& c, int level);
void SetNTPoints(BidderContext& c, int level);
void AllowOneShort(BidderContext& c);
void RecordCueControl(BidderContext& c, int suit);

// ---- Predicates and counts ----
bool ControlShown(const TBidInfo& record, int suit);
bool HasShownSuit(const BidderContext& c, int seat, int suit);
bool OpponentHasShownSuit(const BidderContext& c, int suit);
bool BothOpponentsShownSuit(const BidderContext& c, int suit);
bool OurSideHasShownSuit(const BidderContext& c, int suit);
int OpponentsMaxLength(const BidderContext& c, int suit);
bool OpponentsBidSuit(const BidderContext& c, int suit);
bool IsPartnersSuit(const BidderContext& c, int suit);
int OpponentsCombinedMin(const BidderContext& c);
int SuitsStoppedByUs(const BidderContext& c);
bool NotrumpCovered(const BidderContext& c);
int WeakDoubleton(const BidderContext& c);
bool FirstRoundControlIn(const BidderContext& c, int suit);
bool SecondRoundControlIn(const BidderContext& c, int suit);
bool OpponentsShowTwoSuits(const BidderContext& c);
bool TwoFits(const BidderContext& c);
bool UnshownAcesMissing(const BidderContext& c, int n);
int CoverCards(const BidderContext& c);
double PartnerLosers(const BidderContext& c);
int PartnerShownControls(const BidderContext& c);
bool SixLevelStoppers(BidderContext& c);

// Value of an ace or king code: n for "n" and "n+", -n for "<n", 0 when empty.
int CountCodeSigned(std::string_view code);

// ---- Bookkeeping run by the frame ----
// Before the call, after PartnerInfo and PartnerMin are known: the steps that judge the hand
// against partner (trump from partner or partner's notrump, fit suit and fit points, control
// inference, partner's suit without the ace). The unguarded-honour bonus runs last, apart.
void EvaluatePartnership(BidderContext& c);
void ApplyUnguardedHonourBonus(BidderContext& c);
// Awards fit points for suit t to the bidder (once per auction).
void AwardFitPoints(BidderContext& c, int t);
// After a call whose meaning shows values: honours of the caller's opponents re-valued.
void AdjustHonourPositions(BidderContext& c, const TBidInfo& before);
// After a call: the agreed trump suit recorded for the caller and partner.
void AgreeTrumpSuit(BidderContext& c);

}  // namespace corvane
