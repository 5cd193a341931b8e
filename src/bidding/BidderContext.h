// The bidder's working state: everything the candidate scoring reads and writes, held in one
// object so that two bidders (the open and the closed room, a test beside the table) never
// share anything. PrepareBidder rebuilds the per-call part before every call.
#pragma once

#include "bidding/Auction.h"
#include "bidding/BidInfo.h"
#include "bidding/CodeTables.h"
#include "bidding/MeaningCodes.h"
#include "cards/Hands.h"
#include "convention/ConventionCards.h"
#include "convention/DefinitionDatabase.h"

#include <array>
#include <functional>
#include <string>

namespace corvane {

// Scores with a meaning of their own.
namespace score {
inline constexpr int RuledOut = -100;
inline constexpr int RejectedByTest = -450;  // vulnerability, seat or notrump-strength condition
inline constexpr int Disabled = -500;
inline constexpr int TooStrongForCall = -5;
inline constexpr int NoFallback = -200;
inline constexpr int InitialBest = -50;
inline constexpr int InitialTopTwo = -5;
}  // namespace score

// Where a candidate's meaning came from.
namespace definition_source {
inline constexpr int Database = 0;
inline constexpr int ShortenedKey = 1;
inline constexpr int Rules = 2;
}  // namespace definition_source

enum class BidMode { Normal = 0, Explain = 5, Hint = 6, TestPad = 7 };

// What one player has done in this auction beside its Shown record.
struct PlayerBidding {
    MeaningCode LastMeaning = meaning::NotYetCalled;
    CallCode LastCall = NoCall;
    MeaningSet Meanings;
    bool FitCounted = false;
    std::array<bool, 4> RaiseMark{};
    std::string ExplanationText;
};

struct KeptCandidate {
    CallCode Call = Pass;
    MeaningCode Meaning = meaning::NegativeDouble;
    int Score = score::InitialTopTwo;
};

// Compares two calls by simulating the play; positive favours the first. Absent until the
// simulation is wired in, and then ChooseComputerCall never simulates.
using SimulationCompare = std::function<int(CallCode first, CallCode second)>;

struct BidderContext;
using SituationRule = std::function<void(BidderContext&)>;

// The situation rule families the dispatcher hands a candidate to. A family not built yet is
// empty: its candidates keep the default meaning and are ruled out, so the computer passes there.
struct SituationRules {
    SituationRule ScoreSlamAnswer;
    SituationRule ScorePass;
    SituationRule ScoreDefenceTo1NT;
    SituationRule ScoreDouble;
    SituationRule ScoreRedouble;
    SituationRule ScoreTriColour;
    SituationRule ScoreStrongClubContinuation;
    SituationRule ScoreAdvance;
    SituationRule ScoreOpenerRebid;
    SituationRule ScoreLaterCall;
    SituationRule ScoreSpecialContinuation;
    SituationRule ScoreNotrumpResponse;
    SituationRule ScoreSuitResponse;
    SituationRule ScoreOpening;
    SituationRule ScoreOvercall;
};

// The families built so far.
SituationRules BuiltInRules();

struct BidderContext {
    // ---- The deal and what the table decided ----
    TableHands Hands = MakeTableHands();
    Vulnerability Vul = VulNone;
    bool ClosedRoom = false;
    // The alert option with the explanations of these seats hidden: their calls carry none.
    std::array<bool, 4> ExplanationsHidden{};
    ConventionCards* Cards = nullptr;           // both sides' cards; never null while bidding
    const CodeTable* Alerts = nullptr;          // "Alerts.txt"; none gives code texts
    const DefinitionDatabases* Databases = nullptr;  // none: the built-in rules alone
    SimulationCompare CompareBySimulation;
    SituationRules Rules = BuiltInRules();
    // Shows a message to the person (card or definition errors); none drops it.
    std::function<void(const std::string&)> ShowMessage;

    // ---- The auction and what every player has shown ----
    corvane::Auction Auction;
    ShownRecords Records;
    std::array<PlayerBidding, 4> Players;
    std::array<bool, 2> FirstRoundCuesOnly{};  // per side, index Side - 1
    RestartMarker Restart;
    RestartMarker CandidateRestart;

    // ---- Rebuilt by PrepareBidder ----
    TSeat Bidder = North;
    const ConventionCard* CurrentCard = nullptr;
    TBidInfo PartnerInfo;
    CallCode PartnerLastCall = Pass, RHOLastCall = Pass, LHOLastCall = Pass, OwnLastCall = Pass;
    CallCode PartnerPreviousCall = Pass, OwnPreviousCall = Pass;
    bool RHOPassed = false;
    corvane::MeaningCode PartnerLastMeaning = meaning::NotYetCalled;
    corvane::MeaningCode OwnLastMeaning = meaning::NotYetCalled;
    MeaningSet OurMeanings, TheirMeanings;
    bool Vulnerable = false;
    int SavedSupportPts = 0;
    int PartnerMin = 0, PartnerMax = MostPoints;
    int SlamTryNeed = 0, SlamNeed = 0;
    int PartnershipMin = 0, PartnershipMax = 0;
    std::array<KeptCandidate, 2> TopTwo{};
    CallCode ChosenCall = Pass;
    int BestScore = score::InitialBest;
    corvane::MeaningCode BestMeaning = meaning::NoMeaning;
    std::string BestSection;
    CallCode FallbackCall = Pass;
    int FallbackScore = score::NoFallback;
    bool ComputerChoosing = false;
    BidMode Mode = BidMode::Normal;

    // ---- The candidate being scored ----
    TBidInfo NewBidInfo;
    CallCode CandidateCall = Pass;
    Strain CandidateStrain = NoTrump;
    int CandidateLevel = 0;
    corvane::MeaningCode MeaningCode = meaning::NoMeaning;
    int Score = 0;
    int ExplanationNumber = 0;
    int JumpCount = 0;
    bool CandidateIsMajor = false;
    int FitCardsNeeded = 0;
    int GameLevel = 4;
    int GameNeed = 0, InviteNeed = 0;
    int DefinitionSource = definition_source::Rules;
    int ErrorState = 0;
    int PointsToTest = 0;
    bool TooStrong = false;
    bool NotrumpCode = false;  // the candidate's definition carried the notrump flag
    // The pass candidate's verdict, for the rules of later calls.
    bool PassScoredBelowMinusOne = false;
    int PointsLeftByPass = 0;

    // ---- Shorthands ----
    THands& BidderHand() { return Hands[Bidder]; }
    const THands& BidderHand() const { return Hands[Bidder]; }
    TBidInfo& OwnShown() { return Records.Shown[Bidder]; }
    const TBidInfo& OwnShown() const { return Records.Shown[Bidder]; }
    const TBidInfo& ShownBy(int seat) const { return Records.Shown[static_cast<size_t>(seat)]; }
    ConventionCards& Card() { return *Cards; }
    int CallCount() const { return Auction.CallCount; }
    bool HumanBidder() const { return Hands[Bidder].PlayedHere; }
};

}  // namespace corvane
