// The bid-definition language: a definition is a list of short codes, separated by blanks or
// commas, that says what a call shows ("P12-14 S5+ !7"). "OR" separates alternatives; each
// alternative is applied to the candidate's meaning record on its own, the ones that fit the
// hand are combined into one meaning, and an accepted meaning narrows what the player has shown.
#pragma once

#include "bidding/BidInfo.h"
#include "bidding/Call.h"
#include "bidding/MeaningCodes.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace corvane {

// The alternatives' scores are kept in a table of 50 whose last entry marks the end.
inline constexpr int MaxAlternatives = 49;

// Starting score of every alternative, and the score of a definition that forces its call.
inline constexpr int DefinitionStartScore = 200;
inline constexpr int ForcedCallScore = 800;
// An alternative with this score was rejected and takes no part in the combined meaning.
inline constexpr int RejectedAlternativeScore = -450;

// Error numbers of the language (and 11 of a card bound outside its range).
namespace definition_error {
inline constexpr int LosingTricks = 1;
inline constexpr int SuitLength = 2;
inline constexpr int SuitCode = 3;
inline constexpr int SuitControls = 4;
inline constexpr int SuitPoints = 5;
inline constexpr int SuitQuality = 6;
inline constexpr int SuitStoppers = 7;
inline constexpr int UnknownCode = 8;
inline constexpr int CodeTooLong = 9;
inline constexpr int LowAboveHigh = 10;
inline constexpr int PointsCode = 11;
inline constexpr int Vulnerability = 12;
inline constexpr int AceOrKing = 13;
inline constexpr int Queen = 14;
inline constexpr int TCode = 15;
inline constexpr int FourthSeat = 16;
inline constexpr int NTCode = 17;
inline constexpr int CoverCards = 18;
inline constexpr int Last = 18;
}  // namespace definition_error

// The text of an error number; empty for 0 or an unknown number. Error 5 is followed by two
// carriage returns and the code.
std::string DefinitionErrorText(int error, std::string_view code = {});

// The message shown once for an error: "Coding Error: " and the text while a stored
// definition is explained; otherwise "Bid: ", the candidate's short text, a carriage return and
// that line.
std::string DefinitionErrorMessage(int error, std::string_view code, bool explaining,
                                   CallCode candidate);

// The definition's tokens: blanks and commas separate them, empty ones are dropped.
std::vector<std::string> DefinitionTokens(std::string_view text);
// 0 for a definition without tokens, else the number of "OR" tokens + 1.
int AlternativeCount(const std::vector<std::string>& tokens);
// The alternatives that take part in scoring: a file may hold a longer definition, of which
// only the first MaxAlternatives count.
int ScoredAlternativeCount(const std::vector<std::string>& tokens);

// What the codes read beyond the candidate's record: the bidder's and partner's Shown, the
// auction, and the side's convention card.
struct DefinitionContext {
    TBidInfo Shown;         // the bidder's
    TBidInfo PartnerShown;  // partner's
    int OpenerShownMin = 0;
    CallCode Candidate = Pass;
    CallCode HighestBid = Pass;
    // Explaining a stored definition: "CC" then keeps the starting range.
    bool Explaining = false;
    // The point range the built-in rules gave the candidate (code "CC").
    int RulesMinPts = 0;
    int RulesMaxPts = MostPoints;
    // The bounds of the 1NT range the side plays now.
    int OneNTLow = 15;
    int OneNTHigh = 17;
    bool VeryLightOpenings = false;
    std::array<bool, 4> OpponentHasShownSuit{};
    // A card's HCP range by its code ("SOC", "ONA"); empty when the card has no valid range.
    std::function<std::optional<std::pair<int, int>>(std::string_view code)> CardBounds;
    // The card test of a single condition item: a ticked box, or KEY=VALUE.
    std::function<bool(std::string_view item)> CardTicked;
};

// The candidate while the codes work on it.
struct CandidateMeaning {
    TBidInfo Info;  // the candidate's record (NewBidInfo)
    MeaningCode Meaning = meaning::NoMeaning;
    int Score = 0;
    int ErrorState = 0;
    std::string ErrorCode;   // the token that raised the error
    char RestartMarker = 0;  // '@', '^', '#' or 0
    bool NotrumpCode = false;
};

// Applies alternative i (counted from 1) to the candidate, starting from the bidder's Shown.
// Stops at the first error, which is left in ErrorState.
void ApplyDefinition(const std::vector<std::string>& tokens, int alternative,
                     const DefinitionContext& context, CandidateMeaning& candidate);

struct PointRange {
    int Low = 0;
    int High = 0;
    int Error = 0;
};
// The point-range code interpreter, also used for suit lengths, controls and points in a suit.
// startLow and startHigh are the shown range the code starts from.
PointRange PointsCode(std::string_view code, int startLow, int startHigh,
                      const DefinitionContext& context);

// Builds the call's meaning from the alternatives whose score (one per alternative, in order)
// was not the rejection score, then narrows it by the bidder's Shown.
void CombineAlternatives(const std::vector<std::string>& tokens, const std::vector<int>& scores,
                         const DefinitionContext& context, CandidateMeaning& candidate);

// Folds an accepted meaning into what the player has shown: every range is narrowed, never
// widened; the other fields are taken from the new meaning.
void MergeShown(TBidInfo& shown, const TBidInfo& newInfo);

// A convention-card condition: items separated by "_" or commas, each a ticked box or
// KEY=VALUE; a final "}" makes it any-of, a final "]" or no mark all-of.
bool CardCondition(std::string_view condition,
                   const std::function<bool(std::string_view item)>& cardTicked);

// Checks of the small codes; true when the code is well formed.
bool ValidQualityCode(std::string_view code);  // "A" "K" "Q" "J" "T" or "xy"
bool ValidAceCode(std::string_view code);      // "n", "n+", "<n"
// How much a suit-quality code promises; the larger promises more. Empty promises nothing.
int QualityStrength(std::string_view code);
// The number an ace or king code names ("<n" counts 0), -1 for an empty code.
int CountCodeValue(std::string_view code);

}  // namespace corvane
